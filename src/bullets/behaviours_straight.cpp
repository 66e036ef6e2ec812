// Single bullets that fly on their own: straight flyers, the stop-and-turn
// bullet, the pause-and-dash needle, the accelerating dart, the line runners,
// the scatter layer and the lob.
#include "bullets/BulletRules.h"
#include "bullets/ScatterTable.h"
#include "effects/Effects.h"
#include "graphics/Sprites.h"
#include "objects/GameObject.h"

namespace bullets {


void updateBulletStraight(GameObject& b)
{
    moveByVelocity(b);
    leaveScreen(b);
}

void updateBulletStopAndTurn(GameObject& b)
{
    if (b.step() == 0) {
        if (b.timer() < 31) {
            b.incrementTimer();
            moveByVelocity(b);
        } else {
            // It stands, flashes, and after nine steps sets off 45 degrees
            // further round, twice as fast.
            if (b.timer() == 31)
                spawnEffect(&b, 5);
            if (b.timer() == 40) {
                b.setSpeed(8);
                b.setStep(1);
                b.setAngle(b.angle() > 180 ? b.angle() - 45 : b.angle() + 45);
                velocityFrom(b, b.angle(), 8);
            }
            b.incrementTimer();
        }
    } else {
        moveByVelocity(b);
    }
    leaveScreen(b);
}

void updateBulletPauseAndDash(GameObject& b)
{
    if (b.step() < 21) {
        moveByVelocity(b);
        b.incrementStep();
    } else if (b.step() < 31) {
        if (b.step() == 30)
            velocityFrom(b, b.angle(), 13);
        b.incrementStep();
    } else {
        moveByVelocity(b);
    }
    leaveScreen(b);
}

void updateBulletAcceleratingDart(GameObject& b)
{
    b.incrementStep();
    if (b.step() % 10 == 0) {
        b.setSpeed(b.speed() + 1);
        velocityFrom(b, b.angle(), b.speed());
    }
    moveByVelocity(b);
    // The dart's nose is on the sheet's left, hence the half turn.
    drawSpriteRotated(shotPage(3), b.x(), b.y(), 32, 32, 0, 0.0625f, 0.1875f, 0.0625f,
                      truncInt(b.angle() + 180));
    leaveScreen(b);
}

void updateBulletLineRunner(GameObject& b)
{
    if (b.timer() == 0)
        b.setY(b.vy());
    if (b.timer() % 5 == 0) {
        b.setSpeed(b.speed() + 1);
        nextCell(b, 0, 3);
    }
    b.setX(b.x() - b.speed());
    leaveScreen(b);
    b.incrementTimer();
}

void updateBulletRowRunner(GameObject& b)
{
    if (b.timer() % 5 == 0)
        nextCell(b, 0, 3);
    moveByVelocity(b);
    leaveScreen(b);
    b.incrementTimer();
}

void updateBulletScatterLayer(GameObject& b)
{
    b.incrementTimer();
    b.setTimer2((b.timer2() + 1) % kScatterRows);
    int column = b.timer() % kScatterColumns;
    if (column < 0)
        column += kScatterColumns;
    fire(b, 26, 3 * kScatterTableB[b.timer2() * kScatterColumns + column]);
    b.setX(b.x() - b.speed());
    leaveScreen(b);
}

void updateBulletLob(GameObject& b)
{
    b.incrementTimer();
    b.setX(static_cast<float>(b.x() - b.angle()));
    b.setY(b.y() + b.speed());
    // It rises from -7 and falls back down.
    b.setSpeed(b.speed() + 0.1f);
    if (b.timer() % 4 == 0)
        b.setAnim(b.anim() >= 7 ? 2 : b.anim() + 1);
    leaveBox(b, -80, 640, -900, 480);
}

}  // namespace bullets

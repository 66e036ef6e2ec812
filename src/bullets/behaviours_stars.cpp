// The star shells and the missiles they release, the star bursts and stars,
// the turning missile and the wall turret that fires it.
#include "bullets/BulletRules.h"
#include "graphics/Sprites.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

namespace bullets {


namespace {

constexpr float kCellWidth = 0.125f;
constexpr float kMissileRow = 0.25f;
constexpr float kStarRow = 0.375f;

// One 64 x 64 frame of the effect sheet's missile or star rows, turned.
void drawTurned(const GameObject& b, float row, int32_t angle)
{
    drawSpriteRotated(effectPage(1), b.x(), b.y(), 64, 64, b.cell() * kCellWidth, kCellWidth, row,
                      kCellWidth, angle);
}

// Eight copies 45 degrees apart make a star.
void drawStar(const GameObject& b, float row)
{
    for (int k = 0; k < 8; ++k)
        drawTurned(b, row, 45 * k);
}

// The sheet's missiles and stars point left, hence the half turn.
void drawHeading(const GameObject& b, float row) { drawTurned(b, row, truncInt(b.angle() + 180)); }

void headOn(GameObject& b) { velocityFrom(b, b.angle(), b.speed()); }

// The heading straight at the craft's top-left corner; the bullet's own
// heading while there is no craft.
double headingToCraft(const GameObject& b)
{
    if (!g_playerObject)
        return b.angle();
    return angleDegrees(g_playerObject->x() - b.x(), g_playerObject->y() - b.y());
}

// Turns 4 whole degrees toward the aim, the short way round; false when the
// aim is within 5 degrees.
bool turnToAim(GameObject& b)
{
    int32_t d = truncInt(b.angle() - aimAngle(b));
    int32_t a = truncInt(b.angle()) % 360;
    if (d > 5) {
        b.setAngle(d >= 180 ? a + 4 : a - 4);
        return true;
    }
    if (d < -5) {
        int32_t turned = d > -180 ? a + 4 : a - 4;
        b.setAngle(turned < 0 ? turned + 360 : turned);
        return true;
    }
    return false;
}

}  // namespace

void updateBulletStarShell(GameObject& b)
{
    b.setX(b.x() - b.speed());
    drawStar(b, kMissileRow);
    if (b.timer() % 2 == 0)
        nextCell(b, 0, 7);
    if (b.timer() < 11) {
        b.incrementTimer();
        return;
    }
    b.kill();
    fire(b, 19, truncInt(315 - b.angle()) % 360);
    fire(b, 19, truncInt(b.angle() + 45) % 360);
}

void updateBulletHomingMissile(GameObject& b)
{
    if (b.step() == 0) {
        // It is created without a velocity; a first update that finds it on
        // course gives it one along its heading.
        if (turnToAim(b) || b.timer() == 0)
            headOn(b);
        moveByVelocity(b);
        drawHeading(b, kMissileRow);
        b.cycleCell(5, 0, 7);
        if (b.timer() < 61) {
            b.incrementTimer();
        } else {
            // After a second of homing it locks on and doubles its speed.
            b.setAngle(headingToCraft(b));
            b.setSpeed(2 * b.speed());
            headOn(b);
            b.resetTimer();
            b.setStep(1);
        }
    } else {
        drawHeading(b, kMissileRow);
        moveByVelocity(b);
        b.cycleCell(5, 0, 7);
    }
    leaveScreen(b);
}

void updateBulletStarBurst(GameObject& b)
{
    moveByVelocity(b);
    drawStar(b, kStarRow);
    if (b.timer() % 2 == 0)
        nextCell(b, 0, 7);
    if (b.timer() < 21) {
        b.incrementTimer();
        return;
    }
    b.kill();
    for (int i = 0; i < 18; ++i)
        fire(b, 21, 20 * i);
}

void updateBulletBrakingStar(GameObject& b)
{
    headOn(b);
    moveByVelocity(b);
    drawHeading(b, kStarRow);
    if (b.timer() % 5 == 0) {
        nextCell(b, 0, 7);
        if (b.speed() > 2)
            b.setSpeed(b.speed() - 1);
    }
    leaveScreen(b);
    b.incrementTimer();
}

void updateBulletStar(GameObject& b)
{
    moveByVelocity(b);
    drawHeading(b, kStarRow);
    if (b.timer() % 5 == 0)
        nextCell(b, 0, 7);
    leaveScreen(b);
    b.incrementTimer();
}

void updateBulletTurningMissile(GameObject& b)
{
    if (b.timer() == 0) {
        // It arrives as a 1-pixel dot at the turret's muzzle and grows to
        // its real size left of it.
        b.setX(b.x() - (b.width() + 32));
        b.setY(b.y() - 32);
        b.setWidth(64);
        b.setHeight(64);
    }
    moveByVelocity(b);
    // Once past the craft it turns toward it, once.
    if (b.flag() && g_playerObject && b.x() < g_playerObject->x()) {
        b.setAngle(b.y() >= g_playerObject->y() ? b.angle() + 90 : b.angle() - 90);
        b.setSpeed(10);
        headOn(b);
        b.toggleFlag();
    }
    if (b.timer() % 5 == 0)
        nextCell(b, 0, 7);
    b.cycleCell(5, 0, 7);
    leaveScreen(b);
    b.incrementTimer();
}

void updateBulletWallTurret(GameObject& b)
{
    if (b.step() == 0) {
        // A value above 500 sends it to the top wall; the value's remainder
        // by 500 becomes its firing period.
        bool top = b.angle() > 500;
        if (top && b.y() > 5) {
            b.setY(b.y() - b.speed());
        } else if (!top && b.y() < 416) {
            b.setY(b.y() + b.speed());
        } else {
            b.setAngle(truncInt(b.angle()) % 500);
            b.setStep(1);
            b.resetTimer();
        }
        b.incrementTimer();
        if (b.timer() % 2 == 0)
            nextCell(b, 0, 7);
        return;
    }
    if (b.timer() % 2 == 0)
        nextCell(b, 0, 7);
    // A period of 0 would divide by zero: such a turret holds its fire.
    int32_t period = truncInt(b.angle());
    if (period != 0 && b.timer() % period == 0)
        fire(b, 23, 180);
    b.incrementTimer();
    if (b.timer() > 2000) {
        if (b.x() <= 500) {
            b.kill();
            for (int i = 0; i < 18; ++i)
                fire(b, 21, 20 * i);
        } else {
            b.setX(b.x() - b.speed());
        }
    }
}

}  // namespace bullets

// The large shots of the last bosses: rotating shots (one of them the anchor
// that orbiters circle), curlers and accelerating orbs.
#include <cmath>

#include "bullets/BulletPass.h"
#include "bullets/BulletRules.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

int g_orbitAnchorX = kOrbitAnchorGone;
int g_orbitAnchorY = 0;

namespace bullets {

namespace {

// Frames 1 to 5 of the large-shot row, the next every fourth step.
void cycleLargeFrame(GameObject& b)
{
    if (b.timer() % 4 == 0)
        b.setAnim(b.anim() >= 5 ? 1 : b.anim() + 1);
}

// The spawn point is the firing boss's; the shot starts up and left of it.
void placeLargeShot(GameObject& b)
{
    switch (b.kind()) {
    case 40:
        b.setX(b.x() - (b.width() + 112));
        b.setY(b.y() - 160);
        break;
    case 41:
        b.setWidth(128);
        b.setHeight(128);
        b.setX(b.x() - (128 + 112));
        b.setY(b.y() - 160);
        if (g_playerObject) {
            double a = angleDegrees((g_playerObject->x() - 40) - b.x(),
                                    (g_playerObject->y() - 40) - b.y());
            velocityFrom(b, a, b.speed());
            b.setAngle(a);
        }
        break;
    default:
        b.setX(b.x() - (b.width() + 160));
        b.setY(b.y() - 100);
        break;
    }
    b.setRotation(b.angle() + 180);
}

// Five stars fanned from the edge the shot reached.
void splitAtEdge(GameObject& b, double firstAngle)
{
    for (int i = 0; i < 5; ++i)
        fire(b, 21, firstAngle + 10 * i);
    b.kill();
}

}  // namespace

void updateBulletLargeShot(GameObject& b)
{
    if (b.timer() == 0) {
        placeLargeShot(b);
        // Fifteen orbiters in three groups a third of a turn apart.
        if (b.kind() == 43)
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 5; ++j)
                    fire(b, 44, 15 * j + 120 * i);
    }
    b.incrementTimer();
    cycleLargeFrame(b);
    moveByVelocity(b);
    switch (b.kind()) {
    case 40: leaveBox(b, -256, 640, -256, 480); break;
    case 41: leaveBox(b, -128, 640, -128, 480); break;
    case 42: leaveBox(b, -64, 640, -64, 480); break;
    case 43:
        g_orbitAnchorX = truncInt(b.x());
        g_orbitAnchorY = truncInt(b.y());
        leaveBox(b, -320, 960, -320, 800);
        if (!b.alive())
            g_orbitAnchorX = kOrbitAnchorGone;
        break;
    default:  // 45
        if (b.y() > 480 - b.height() / 2)
            splitAtEdge(b, 240);
        else if (b.y() < -(b.height() / 2))
            splitAtEdge(b, 60);
        else if (b.x() < -(b.width() / 2))
            splitAtEdge(b, 340);
        else
            leaveBox(b, -64, 640, -64, 480);
        break;
    }
}

void updateBulletOrbiter(GameObject& b)
{
    if (b.timer() == 0) {
        b.setRotation(b.angle() + 180);
    } else {
        // Every orbiter circles whichever anchor was published last.
        if (g_orbitAnchorX == kOrbitAnchorGone) {
            b.kill();
            return;
        }
        b.setX(static_cast<float>(g_orbitAnchorX));
        b.setVx(static_cast<float>(g_orbitAnchorX));
        b.setY(static_cast<float>(g_orbitAnchorY));
        b.setVy(static_cast<float>(g_orbitAnchorY));
    }
    b.incrementTimer();
    cycleLargeFrame(b);
    // The orbit widens to 128 pixels and turns a degree a step.
    if (b.timer2() < 128)
        b.incrementTimer2();
    b.setX(static_cast<float>(b.x() + b.timer2() * std::cos(b.angle() * kDegToRad)));
    b.setY(static_cast<float>(b.y() + b.timer2() * std::sin(b.angle() * kDegToRad)));
    b.setAngle(b.angle() + 1);
    leaveBox(b, -320, 960, -320, 800);
}

void updateBulletCurler(GameObject& b)
{
    if (b.timer() == 0)
        b.setRotation(b.angle());
    b.incrementTimer();
    moveByVelocity(b);
    // It curls faster and faster until it has turned past 210 degrees.
    if (b.angle() > -210 && b.angle() < 210) {
        int32_t whole = truncInt(b.angle());
        b.setAngle(b.angle() >= 0 ? whole + b.speed() : whole - b.speed());
        b.setSpeed(b.speed() + 0.1f);
        velocityFrom(b, b.angle(), b.speed());
    }
    b.cycleCell(5, 0, 7);
    leaveBox(b, -64, 1280, -640, 480);
}

void updateBulletAcceleratingOrb(GameObject& b)
{
    // vx, vy are a direction here, scaled by the growing speed.
    if (b.timer() % 20 == 0)
        b.setSpeed(b.speed() + (b.kind() == 47 ? 1.0f : 0.1f));
    b.moveScaled();
    b.incrementTimer();
    b.cycleCell(5, 0, 7);
    leaveBox(b, -64, 1280, -640, 480);
}

}  // namespace bullets

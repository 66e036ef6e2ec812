// The rules of the shots that fly by themselves: tap shots, the spark counter
// of the wide charged shot, homing pellets, rotating beams, rising pillars
// and the release beam.
#include <cmath>

#include "effects/Effects.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/ShotRules.h"

namespace {

constexpr float kPelletRange = 1500;

void headAlongAngle(GameObject& shot)
{
    shot.setVx(static_cast<float>(std::cos(shot.angle() * kDegToRad) * shot.speed()));
    shot.setVy(static_cast<float>(std::sin(shot.angle() * kDegToRad) * shot.speed()));
}

// Turns by 4 whole degrees toward a bearing d degrees away (d = heading - bearing),
// the short way round; false when the bearing is within 5 degrees.
bool turnPellet(GameObject& shot, double d)
{
    int a = static_cast<int>(std::trunc(shot.angle())) % 360;
    if (d > 5) {
        shot.setAngle(d >= 180 ? a + 4 : a - 4);
        return true;
    }
    if (d < -5) {
        int turned = d > -180 ? a + 4 : a - 4;
        shot.setAngle(turned < 0 ? turned + 360 : turned);
        return true;
    }
    return false;
}

void placeOnBeamPath(GameObject& shot, float radiusX, float radiusY)
{
    double r = shot.angle() * kDegToRad;
    shot.setX(static_cast<float>(shot.vx() + std::cos(r) * radiusX));
    shot.setY(static_cast<float>(shot.vy() + std::sin(r) * radiusY));
}

}  // namespace

void updateTapShot(GameObject& shot)
{
    if (shot.x() >= 640) {
        shot.kill();
        return;
    }
    shot.moveX();
    shot.moveY();
    blink(shot);
}

void updateSparkCounter(GameObject& shot)
{
    // The collision pass starts this counter on a hit; it sparks while it runs.
    if (shot.timer3() > 0) {
        shot.incrementTimer3();
        if (shot.timer3() > 30)
            shot.setTimer3(0);
    }
    straightRight(shot);
}

void updateHomingPellet(GameObject& shot)
{
    if (!(shot.x() > -kPelletRange && shot.x() < kPelletRange && shot.y() > -kPelletRange &&
          shot.y() < kPelletRange)) {
        shot.kill();
        return;
    }
    spawnEffect(&shot, 5);
    double d = 0;
    // Pellets chase the oldest enemy, not the nearest.
    if (g_enemyList) {
        const GameObject& target = *g_enemyList;
        d = shot.angle() - angleDegrees(static_cast<double>(target.centreX()) - shot.x(),
                                        static_cast<double>(target.centreY()) - shot.y());
    }
    if (turnPellet(shot, d))
        headAlongAngle(shot);
    shot.moveX();
    shot.moveY();
}

void updateRotatingBeam(GameObject& shot)
{
    if (shot.x() >= 640) {
        shot.kill();
        return;
    }
    if (shot.step() == 0) {
        // Two frames of unfolding, then the beam swings round its drifting anchor.
        if (shot.timer() < 2) {
            shot.setWidth(static_cast<int32_t>(shot.width() + shot.speed()));
            shot.setHitRight(static_cast<float>(shot.width()));
            placeOnBeamPath(shot, 15, 30);
            shot.setAngle(shot.angle() + 5);
            shot.incrementTimer();
        }
        if (shot.timer() >= 2) {
            shot.resetTimer();
            shot.setStepOne();
            shot.setBaseSpeed(1);
        }
    } else {
        shot.setVx(shot.vx() + shot.speed());
        placeOnBeamPath(shot, 15, 30);
        shot.setAngle(static_cast<int>(std::trunc(shot.angle() + shot.baseSpeed())) % 360);
        if (shot.timer() % 5 == 0)
            shot.setBaseSpeed(shot.baseSpeed() + 1);
        shot.incrementTimer();
    }
    spawnEffect(&shot, shot.kind() == 7 || shot.kind() == 9 ? 25 : 24);
    blink(shot);
}

void updatePillar(GameObject& shot)
{
    shot.incrementStep();
    if (shot.step() % 40 == 0) {
        shot.kill();
        return;
    }
    shot.setY(shot.y() - 5);
    shot.setHitBottom(shot.hitBottom() + 10);
    shot.setHeight(shot.height() + 10);
    const platform::Texture* glow = effectSheet(2);
    drawSpriteAdditive(glow, shot.x() - 48, shot.y() - 60, 128, 128, 0, 0.125f, 0.25f, 0.125f);
    drawSpriteAdditive(glow, shot.x() - 48, shot.y() + shot.height() - 60, 128, 128, 0, 0.125f,
                       0.25f, 0.125f);
    // cell stays 0, so the column steps every frame: 0, 1, 2, 3, 4, 0, ...
    if (shot.cell() % 20 == 0)
        shot.setAnim(shot.anim() < 4 ? shot.anim() + 1 : 0.0f);
    else
        shot.setCell(shot.cell() + 1);
}

void updateReleaseBeam(GameObject& shot)
{
    if (g_playerObject) {
        shot.setX(g_playerObject->x() + 48);
        shot.setY(g_playerObject->y() + 28);
    }
    blink(shot);
    if (shot.width() < 640)
        shot.setWidth(shot.width() + 80);
    shot.setHitRight(static_cast<float>(shot.width()));
    if (shot.timer() > 50 && shot.timer() % 3 == 0) {
        shot.setHeight(shot.height() - 1);
        if (shot.height() < 1)
            shot.kill();
    }
    shot.incrementTimer();
}

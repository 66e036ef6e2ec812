// The sub-weapon shots that fire other shots or guard the craft: the laser
// and burst generators and their lasers, the rain emitter and its shots, and
// the orbiting barrier.
#include <cmath>

#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/ShotRules.h"
#include "player/Shots.h"
#include "sound/Sound.h"

int32_t g_barrierSpin = 0;

namespace {

constexpr int kLaserBursts = 9;

void followCraft(GameObject& shot)
{
    if (!g_playerObject)
        return;
    shot.setX(g_playerObject->x());
    shot.setY(g_playerObject->y());
}

// The laser picture: a glow square trailing 64 pixels behind a core square,
// both turned to the heading. True once the laser has left the screen.
bool drawLaser(const GameObject& shot, const platform::Texture* texture)
{
    int32_t r = static_cast<int32_t>(std::trunc(shot.angle() - 45));
    double heading = shot.angle() * kDegToRad;
    float dx = std::trunc(static_cast<float>(std::cos(heading) * 64));
    float dy = std::trunc(static_cast<float>(std::sin(heading) * 64));
    float cx = shot.x() + 50;
    float cy = shot.y() + 50;
    bindTexture(texture);
    platform::Vertex quad[4];
    squareAbout(quad, cx - dx, cy - dy, 64, r, 120);
    drawQuad(quad);
    squareAbout(quad, cx, cy, 64, r, 255);
    drawQuad(quad);
    return !(shot.x() >= -128 && shot.x() <= 640 && shot.y() >= -128 && shot.y() <= 480);
}

void headAlongAngle(GameObject& shot)
{
    shot.setVx(static_cast<float>(std::cos(shot.angle() * kDegToRad) * shot.speed()));
    shot.setVy(static_cast<float>(std::sin(shot.angle() * kDegToRad) * shot.speed()));
}

}  // namespace

void updateLaserGenerator(GameObject& shot)
{
    followCraft(shot);
    if (shot.step() == 0) {
        g_burstAngle = 0;
        shot.setStepOne();
    }
    if (shot.timer() > 100) {
        g_subWeaponBusy[0] = false;
        shot.kill();
        return;
    }
    if (shot.timer() % 10 == 0)
        spawnShot(&shot, 14);
    shot.incrementTimer();
}

void updateLaser(GameObject& shot)
{
    if (shot.step() == 0) {
        playSound(13);
        shot.setAngle(g_burstAngle);
        shot.setStepOne();
    }
    shot.setX(shot.x() + shot.speed());
    shot.setSpeed(shot.speed() + 1);
    if (drawLaser(shot, shotSheetA(2)))
        shot.kill();
}

void updateBurstGenerator(GameObject& shot)
{
    followCraft(shot);
    if (shot.step() == 0) {
        playSound(14);
        g_burstAngle = 0;
        shot.setStepOne();
    }
    if (shot.timer() > 30) {
        g_subWeaponBusy[3] = false;
        shot.kill();
        return;
    }
    if (shot.timer() == 0)
        for (int i = 0; i < kLaserBursts; ++i)
            spawnShot(&shot, 16);
    shot.incrementTimer();
}

void updateBurstShot(GameObject& shot)
{
    if (shot.step() == 0) {
        // The nine shots of a burst take their headings 40 degrees apart.
        shot.setAngle(g_burstAngle);
        g_burstAngle += 40;
        shot.setStepOne();
    }
    headAlongAngle(shot);
    shot.moveX();
    shot.moveY();
    shot.setSpeed(shot.speed() + 0.75f);
    if (drawLaser(shot, shotSheetA(5)))
        shot.kill();
}

void updateRainEmitter(GameObject& shot)
{
    if (shot.step() == 0) {
        g_rainAngle = 0;
        shot.setX(-32);
        shot.setY(-64);
        shot.setStepOne();
    }
    if (shot.x() > 200) {
        g_subWeaponBusy[6] = false;
        shot.kill();
        return;
    }
    if (shot.timer() % 15 == 0) {
        for (int i = 0; i < 3; ++i)
            spawnShot(&shot, 18);
        shot.setX(shot.x() + 20);
    }
    shot.incrementTimer();
}

void updateRainShot(GameObject& shot)
{
    if (shot.step() == 0) {
        g_rainAngle = g_rainAngle > 30 ? 0 : g_rainAngle + 7;
        shot.setAngle(g_rainAngle + 32);
        shot.setStepOne();
        // The start point: the shot leaps out from it by a growing distance.
        shot.setTimer(static_cast<int32_t>(std::trunc(shot.x())));
        shot.setAux(shot.y());
    }
    headAlongAngle(shot);
    shot.setX(shot.timer() + shot.vx());
    shot.setY(shot.aux() + shot.vy());
    shot.setSpeed(shot.speed() + 10);
    if (shot.y() > 480)
        shot.kill();
}

void updateBarrier(GameObject& shot)
{
    if (!g_subWeaponBusy[5] || !payGauge(kCostBarrierFrame)) {
        g_subWeaponBusy[5] = false;
        shot.kill();
        return;
    }
    for (GameObject* bullet = g_bulletList; bullet; bullet = bullet->next)
        bullet->killOnTouch(shot);
    shot.setAngle(shot.angle() + 12);
    if (g_playerObject) {
        double a = shot.angle() * kDegToRad;
        shot.setX(static_cast<float>(g_playerObject->x() + std::cos(a) * 64));
        shot.setY(static_cast<float>(g_playerObject->y() + std::sin(a) * 64));
    }
    setAdditiveBlend();
    bindTexture(shotSheetB(2));
    platform::Vertex quad[4];
    squareAbout(quad, shot.x() + 32, shot.y() + 32, 32, g_barrierSpin, 200);
    drawQuad(quad);
    g_barrierSpin = (g_barrierSpin + 8) % 360;
}

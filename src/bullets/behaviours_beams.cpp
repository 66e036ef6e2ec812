// Beams and the laser: the vertical beam that warns before it hurts, the
// horizontal beam that grows from the right edge, and the sweeping laser
// that draws itself as two fans.
#include <cmath>

#include "bullets/BulletPass.h"
#include "bullets/BulletRules.h"
#include "effects/Effects.h"
#include "graphics/Sprites.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

int g_laserTick = 0;
int g_laserFrame = 0;

namespace bullets {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// The point at distance along the heading b degrees from (px, py).
platform::Vertex fanCorner(float px, float py, float distance, double b)
{
    return spriteVertex(static_cast<float>(px + distance * std::cos(b * kDegToRad)),
                        static_cast<float>(py + distance * std::sin(b * kDegToRad)), kWhite, 0, 0);
}

// A fan from a short edge across the muzzle to a long edge ahead of it.
void drawFan(float px, float py, double a, float nearDistance, float farDistance,
             double farLeft, double farRight, float v)
{
    platform::Vertex quad[4] = {
        fanCorner(px, py, nearDistance, a + 270),
        fanCorner(px, py, farDistance, a + farLeft),
        fanCorner(px, py, farDistance, a + farRight),
        fanCorner(px, py, nearDistance, a + 90),
    };
    setQuadTexCoords(quad, 0.25f * g_laserFrame, 0.25f, v, 0.25f);
    drawQuad(quad);
}

void drawLaser(GameObject& b)
{
    setAdditiveBlend();
    setLinearMagFilter();
    setLinearMinFilter();
    bindTexture(shotPage(3));
    float px = std::trunc(b.x());
    float py = std::trunc(b.y());
    double a = b.angle();
    drawFan(px, py, a, 32, 480, 360, 15, 0.375f);   // the core
    drawFan(px, py, a, 128, 256, 300, 60, 0.625f);  // the muzzle glow
    ++g_laserTick;
    if (g_laserTick % 5 == 0)
        g_laserFrame = (g_laserFrame + 1) % 4;
    // Seventeen points 30 pixels apart along the beam hurt the craft.
    if (g_playerObject) {
        double ray = (a + 8) * kDegToRad;
        g_playerObject->sweepDamage(b, static_cast<float>(30 * std::cos(ray)),
                                    static_cast<float>(30 * std::sin(ray)), 30, 17);
    }
}

}  // namespace

void updateBulletVerticalBeam(GameObject& b)
{
    if (b.step() == 0) {
        // The given value is the beam's column.
        b.setX(static_cast<float>(b.angle()));
        b.setY(0);
        b.setWidth(64);
        b.setHeight(480);
        b.setStepOne();
        return;
    }
    // Every fifth step the next frame: frames up to 4 only warn, from 5 the
    // beam hurts; frames 4 to 7 then repeat, fading, until it is gone.
    if (b.cell() < 4) {
        b.setCell(b.cell() + 1);
        return;
    }
    b.setCell(0);
    if (b.anim() != 7) {
        b.setAnim(b.anim() + 1);
        if (b.anim() >= 5) {
            b.setHitLeft(0);
            b.setHitTop(0);
            b.setHitRight(64);
            b.setHitBottom(480);
        }
    } else if (b.alpha() > 50) {
        b.setAlpha(b.alpha() - 50);
        b.setAnim(4);
    } else {
        b.kill();
    }
}

void updateBulletHorizontalBeam(GameObject& b)
{
    switch (b.step()) {
    case 0:
        // The warning flash at the right edge, on the given row.
        b.setX(608);
        b.setY(static_cast<float>(b.angle()));
        spawnEffect(&b, 18);
        b.setX(700);
        b.setStepOne();
        break;
    case 1:
        if (b.timer() < 21) {
            b.incrementTimer();
        } else {
            b.setStep(2);
            b.resetTimer();
        }
        break;
    case 2:
        // It grows leftward from the right edge, then shrinks away.
        b.setX(b.x() - b.speed());
        b.setWidth(static_cast<int32_t>(b.width() + b.speed()));
        b.setHitRight(b.hitRight() + b.speed());
        if (b.x() < -32)
            b.setStep(3);
        break;
    case 3:
        b.setWidth(static_cast<int32_t>(b.width() - b.speed()));
        b.setHitRight(b.hitRight() - b.speed());
        if (b.width() < 0)
            b.setStep(4);
        break;
    default:
        b.kill();
        break;
    }
}

void updateBulletLaser(GameObject& b)
{
    switch (b.step()) {
    case 0:
        b.setX(b.x() - 40);
        b.setY(b.y() - 40);
        b.setStepOne();
        break;
    case 1:
        // It swings round, slowing and turning back, until it points at 135.
        b.incrementTimer();
        if (b.angle() > 135) {
            if (b.timer() % 10 == 0)
                b.setAux(b.aux() - 0.2f);
            b.setAngle(b.angle() + b.aux());
        }
        drawLaser(b);
        if (b.timer() > 300) {
            b.setStep(2);
            b.setAux(0);
            b.resetTimer();
        }
        break;
    default:
        // Then it sweeps back the other way, faster and faster.
        b.incrementTimer();
        if (b.angle() < 500) {
            if (b.timer() % 10 == 0)
                b.setAux(b.aux() + 0.2f);
            b.setAngle(b.angle() + b.aux());
        }
        drawLaser(b);
        if (b.timer() > 500)
            b.kill();
        break;
    }
}

}  // namespace bullets

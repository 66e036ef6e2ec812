// A bullet's step: the rule of its kind, then the wall test; and the building
// blocks the rules share.
#include <cmath>
#include <limits>

#include "bullets/BulletPass.h"
#include "bullets/BulletRules.h"
#include "bullets/BulletSpawn.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"

using namespace bullets;

namespace {

const platform::Texture* pageOf(platform::Texture** set, int count, int page)
{
    return set && page >= 0 && page < count ? set[page] : nullptr;
}

void runKindRule(GameObject& b)
{
    switch (b.kind()) {
    case 0:
    case 1:
    case 6:
    case 15:
    case 28:
    case 31:
    case 1000:
    case 1001: updateBulletStraight(b); break;
    case 2: updateBulletSpinner(b); break;
    case 4:
    case 5:
    case 11: updateBulletRingBurst(b); break;
    case 7: updateBulletStopAndTurn(b); break;
    case 10: updateBulletSpiralArm(b); break;
    case 13: updateBulletVerticalBeam(b); break;
    case 14: updateBulletRotatingFan(b); break;
    case 16: updateBulletHorizontalBeam(b); break;
    case 18: updateBulletStarShell(b); break;
    case 19: updateBulletHomingMissile(b); break;
    case 20: updateBulletStarBurst(b); break;
    case 21: updateBulletBrakingStar(b); break;
    case 22: updateBulletStar(b); break;
    case 23: updateBulletTurningMissile(b); break;
    case 24: updateBulletWallTurret(b); break;
    case 25: updateBulletPauseAndDash(b); break;
    case 26: updateBulletAcceleratingDart(b); break;
    case 29: updateBulletLaser(b); break;
    case 32:
    case 33: updateBulletMapAnchored(b); break;
    case 34: updateBulletLineRunner(b); break;
    case 35: updateBulletRowRunner(b); break;
    case 38: updateBulletScatterLayer(b); break;
    case 39: updateBulletLob(b); break;
    case 40:
    case 41:
    case 42:
    case 43:
    case 45: updateBulletLargeShot(b); break;
    case 44: updateBulletOrbiter(b); break;
    case 46: updateBulletCurler(b); break;
    case 47:
    case 48:
    case 49: updateBulletAcceleratingOrb(b); break;
    default: b.kill(); break;
    }
}

}  // namespace

void updateBullet(GameObject& bullet)
{
    runKindRule(bullet);
    if (!bullet.alive())
        return;
    // Every solid tile touched costs one hit point: most bullets have one,
    // the large ones pass through walls.
    if (boxTouchesMap(bullet)) {
        bullet.setHp(bullet.hp() - 1);
        if (bullet.hp() <= 0)
            bullet.kill();
    }
}

namespace bullets {

int32_t truncInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

double aimAngle(const GameObject& bullet)
{
    if (!g_playerObject)
        return 0.0;
    return angleDegrees((g_playerObject->x() + 25) - bullet.x(),
                        (g_playerObject->y() + 25) - bullet.y());
}

void velocityFrom(GameObject& bullet, double angle, float magnitude)
{
    bullet.setVx(static_cast<float>(std::cos(angle * kDegToRad) * magnitude));
    bullet.setVy(static_cast<float>(std::sin(angle * kDegToRad) * magnitude));
}

void moveByVelocity(GameObject& bullet)
{
    bullet.moveX();
    bullet.moveY();
}

void leaveBox(GameObject& bullet, float x0, float x1, float y0, float y1)
{
    if (bullet.x() < x0 || bullet.x() > x1 || bullet.y() < y0 || bullet.y() > y1)
        bullet.kill();
}

void leaveScreen(GameObject& bullet) { leaveBox(bullet, -80, 640, -80, 480); }

void nextCell(GameObject& bullet, int32_t first, int32_t last)
{
    bullet.setCell(bullet.cell() >= last ? first : bullet.cell() + 1);
}

void fire(GameObject& from, int kind, double angle) { spawnBullet(&from, kind, angle); }

const platform::Texture* shotPage(int page)
{
    return pageOf(g_texEnemyShot, g_texEnemyShotCount, page);
}

const platform::Texture* effectPage(int page)
{
    return pageOf(g_texEffect, g_texEffectCount, page);
}

const platform::Texture* mapTilePage() { return pageOf(g_texMap, g_texMapCount, 0); }

}  // namespace bullets

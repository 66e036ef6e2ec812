// The enemy update: the behaviour switch by kind, the hit-tint restore and the
// walk step, and the conventions the behaviours share.
#include "enemies/EnemyUpdate.h"

#include <cmath>

#include "app/PlayFlags.h"
#include "enemies/Bosses.h"
#include "enemies/EnemyRules.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"

namespace {

void runBehaviour(GameObject& enemy)
{
    switch (enemy.kind()) {
    case 0: updateRingShard(enemy); break;
    case 1: updateBossKind1(enemy); break;
    case 2: updateZigzagFlyer(enemy); break;
    case 3: updateUTurner(enemy); break;
    case 4: updateRingSpawner(enemy); break;
    case 5: updateDiagonalFlyer(enemy); break;
    case 6: updateBrakingDasher(enemy); break;
    case 7: updateBossKind7(enemy); break;
    case 8: updateFirstForm(enemy); break;
    case 9: updateBossKind9(enemy); break;
    case 10: updateOrbitBoss(enemy); break;
    case 11: updateOrbitSatellite(enemy); break;
    case 12: updateGunPlatform(enemy); break;
    case 13: updateCharger(enemy); break;
    case 14: updateMapRunner(enemy); break;
    case 15: updateBouncer(enemy); break;
    case 16: updateZigzagRunner(enemy); break;
    case 17: updateSecondFormCore(enemy); break;
    case 18:
    case 19: updateSecondFormArm(enemy); break;
    case 20:
    case 21: updateDrifter(enemy); break;
    default: break;
    }
}

}  // namespace

void updateEnemy(GameObject** headAddress, GameObject** cur)
{
    GameObject& enemy = **cur;
    if (!g_playerFrozen)
        runBehaviour(enemy);
    // A hit shows red in exactly one drawn frame.
    if (enemy.green() != 255) {
        enemy.setGreen(255);
        enemy.setBlue(255);
    }
    *cur = advanceWalk(headAddress, &enemy);
}

double aimAngle(const GameObject& enemy)
{
    // Without a craft there is nothing to aim at: straight ahead, to the left.
    if (!g_playerObject)
        return 180;
    return angleDegrees((g_playerObject->x() + 25) - enemy.x(),
                        (g_playerObject->y() + 25) - enemy.y());
}

void setVelocity(GameObject& enemy, double angle, double magnitude)
{
    enemy.setVx(static_cast<float>(std::cos(angle * kDegToRad) * magnitude));
    enemy.setVy(static_cast<float>(std::sin(angle * kDegToRad) * magnitude));
}

void cycleAnim(GameObject& enemy, int last, int period)
{
    if (enemy.timer() % period != 0)
        return;
    enemy.setAnim(enemy.anim() == last ? 0.0f : enemy.anim() + 1);
}

void patrolVertically(GameObject& enemy)
{
    enemy.setY(enemy.flag() ? enemy.y() - enemy.speed() : enemy.y() + enemy.speed());
    if (enemy.y() < 0 || enemy.y() > 224)
        enemy.toggleFlag();
}

bool outsideScreenBox(const GameObject& enemy)
{
    return enemy.x() < -80 || enemy.x() > 640 || enemy.y() < -80 || enemy.y() > 480;
}

void leaveScreenBox(GameObject& enemy)
{
    if (outsideScreenBox(enemy))
        enemy.kill();
}

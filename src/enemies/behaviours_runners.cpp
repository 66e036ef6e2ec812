// Runners and drifters: the hatch runner, the zigzag runner and the drifters.
#include <cstddef>

#include "bullets/BulletSpawn.h"
#include "enemies/EnemyRules.h"
#include "objects/GameObject.h"
#include "stage/MapCharMove.h"

namespace {

// The hatch's param0 picks the runner's vertical direction.
constexpr int32_t kRunUp = 2;
constexpr int32_t kRunDown = 3;

// The zigzag runner turns between these columns.
constexpr float kZigzagLeft = 64;
constexpr float kZigzagRight = 576;
constexpr double kZigzagSpeed = 4;

int32_t ownerParam0(const GameObject& enemy)
{
    int32_t owner = enemy.ownerIndex();
    if (owner < 0 || static_cast<size_t>(owner) >= mapChars.size())
        return 0;
    return mapChars[owner].param0;
}

void turnZigzag(GameObject& enemy, double angle)
{
    setVelocity(enemy, angle, kZigzagSpeed);
    enemy.incrementStep();
}

}  // namespace

void updateMapRunner(GameObject& enemy)
{
    if (enemy.step() == 0) {
        // timer2 is the length of the vertical run, set from the hatch at spawn.
        if (enemy.timer2() < enemy.timer()) {
            spawnBullet(&enemy, 1, aimAngle(enemy));
            enemy.setStep(1);
            enemy.resetTimer();
        } else if (ownerParam0(enemy) == kRunUp) {
            enemy.setY(enemy.y() - enemy.speed());
        } else if (ownerParam0(enemy) == kRunDown) {
            enemy.setY(enemy.y() + enemy.speed());
        }
    } else if (enemy.step() == 1) {
        enemy.setX(enemy.x() - enemy.speed());
        if (enemy.timer() % 50 == 0)
            spawnBullet(&enemy, 1, aimAngle(enemy));
    }
    cycleAnim(enemy, 5, 2);
    leaveScreenBox(enemy);
    enemy.incrementTimer();
}

void updateZigzagRunner(GameObject& enemy)
{
    enemy.incrementTimer();
    if (enemy.timer() % 65 == 0)
        spawnBullet(&enemy, 1001, aimAngle(enemy));
    switch (enemy.step()) {
    case 0:
    case 2:
        if (enemy.x() < kZigzagLeft)
            turnZigzag(enemy, 15);
        break;
    case 1:
    case 3:
        if (enemy.x() > kZigzagRight)
            turnZigzag(enemy, 180);
        break;
    case 4:
        if (enemy.x() < kZigzagLeft)
            turnZigzag(enemy, 0);
        break;
    default:
        break;
    }
    enemy.moveX();
    enemy.moveY();
    leaveScreenBox(enemy);
}

void updateDrifter(GameObject& enemy)
{
    if (enemy.x() < -enemy.width())
        enemy.kill();
    enemy.setX(enemy.x() - enemy.speed());
    enemy.incrementTimer();
    if (enemy.timer() % 120 == 0)
        spawnBullet(&enemy, 1000, aimAngle(enemy));
    cycleAnim(enemy, 2, 5);
}

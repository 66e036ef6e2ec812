// Flyers and swarms: ring shards and their spawner, the zigzag flyer, the
// U-turner, the diagonal flyer and the braking dasher.
#include <cmath>
#include <cstdlib>

#include "bullets/BulletSpawn.h"
#include "effects/Effects.h"
#include "enemies/EnemyRules.h"
#include "enemies/EnemySpawn.h"
#include "objects/GameObject.h"

namespace {

// The ring spawner's ten points lie on this circle about the screen centre.
constexpr int kRingPoints = 10;
constexpr double kRingRadius = 200;

float ringX(int i) { return static_cast<float>(std::cos(36 * i * kDegToRad) * kRingRadius + 320); }
float ringY(int i) { return static_cast<float>(std::sin(36 * i * kDegToRad) * kRingRadius + 240); }

// The U-turner's turn rate, degrees per step.
constexpr double kTurnRate = 2;

void turnAndMove(GameObject& enemy)
{
    setVelocity(enemy, enemy.angle(), enemy.speed());
    enemy.moveX();
    enemy.moveY();
}

void fireAimed(GameObject& enemy, int kind) { spawnBullet(&enemy, kind, aimAngle(enemy)); }

}  // namespace

void updateRingShard(GameObject& enemy)
{
    if (outsideScreenBox(enemy))
        enemy.kill();
    else
        enemy.moveX();
    enemy.moveY();
    // A repeating fade: 255 down to 15, then straight back to 255.
    enemy.setAlpha(enemy.alpha() < 20 ? 255 : enemy.alpha() - 5);
}

void updateZigzagFlyer(GameObject& enemy)
{
    if (enemy.x() < -enemy.width())
        enemy.kill();
    enemy.setX(enemy.x() - enemy.speed());
    if (enemy.timer() % 20 == 0) {
        enemy.toggleFlag();
        spawnBullet(&enemy, 7, 135 + std::rand() % 90);
    }
    float swing = 4 * enemy.speed();
    enemy.setY(enemy.flag() ? enemy.y() - swing : enemy.y() + swing);
    cycleAnim(enemy, 5, 2);
    enemy.incrementTimer();
}

void updateUTurner(GameObject& enemy)
{
    switch (enemy.step()) {
    case 0:
        if (enemy.x() >= 350)
            enemy.setX(enemy.x() - enemy.speed());
        else
            enemy.setStep(enemy.y() >= 240 ? 2 : 1);
        break;
    case 1:
        // Upper half: the heading turns from 180 through 90 (down) to 0.
        if (enemy.angle() > 0) {
            enemy.setAngle(enemy.angle() - kTurnRate);
        } else {
            fireAimed(enemy, 0);
            enemy.setStep(3);
        }
        turnAndMove(enemy);
        break;
    case 2:
        // Lower half: from 180 through 270 (up) to 360.
        if (enemy.angle() < 360) {
            enemy.setAngle(enemy.angle() + kTurnRate);
        } else {
            fireAimed(enemy, 0);
            enemy.setStep(3);
        }
        turnAndMove(enemy);
        break;
    case 3:
        enemy.setX(enemy.x() + enemy.speed());
        if (enemy.x() > 640)
            enemy.kill();
        break;
    default:
        break;
    }
    cycleAnim(enemy, 5, 2);
    enemy.incrementTimer();
}

void updateRingSpawner(GameObject& enemy)
{
    if (enemy.step() == 0) {
        // Ten glows mark the ring; the spawner itself ends on the last point.
        for (int i = 0; i < kRingPoints; ++i) {
            enemy.setX(ringX(i));
            enemy.setY(ringY(i));
            spawnEffect(&enemy, 8);
        }
        enemy.setStep(1);
        return;
    }
    if (enemy.timer() != 20) {
        enemy.incrementTimer();
        return;
    }
    // Each shard heads for the centre.
    for (int i = 0; i < kRingPoints; ++i)
        spawnEnemy(0, ringX(i), ringY(i), 36 * i + 180);
    enemy.kill();
}

void updateDiagonalFlyer(GameObject& enemy)
{
    if (enemy.x() < -32) {
        enemy.kill();
        return;
    }
    enemy.moveX();
    enemy.moveY();
    if (enemy.timer() % 15 == 0)
        spawnBullet(&enemy, 6, enemy.flag() ? 135 : 225);
    cycleAnim(enemy, 5, 2);
    enemy.incrementTimer();
}

void updateBrakingDasher(GameObject& enemy)
{
    if (enemy.x() < -32) {
        enemy.kill();
        return;
    }
    enemy.setX(enemy.x() - enemy.speed());
    if (enemy.speed() >= 1) {
        enemy.setSpeed(static_cast<float>(enemy.speed() - 0.1));
    } else if (enemy.timer() % 80 == 0) {
        spawnBullet(&enemy, 15, 160);
        spawnBullet(&enemy, 15, 180);
        spawnBullet(&enemy, 15, 200);
        // The braking lowered the base speed too, so the dasher keeps creeping.
        enemy.setSpeed(enemy.baseSpeed());
    }
    cycleAnim(enemy, 5, 2);
    enemy.incrementTimer();
}

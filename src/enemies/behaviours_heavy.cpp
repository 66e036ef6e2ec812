// Heavy craft: the gun platform, the charger and the bouncer.
#include <initializer_list>

#include "bullets/BulletSpawn.h"
#include "enemies/EnemyRules.h"
#include "objects/GameObject.h"

namespace {

// The gun platform enters until this x, then works up and down between these rows.
constexpr float kPlatformStopX = 512;
constexpr float kPlatformTop = 32;
constexpr float kPlatformBottom = 382;
// After this many steps it leaves to the left.
constexpr int kPlatformStay = 1000;

// The charger's speed when it charges, and the steps between its moves.
constexpr double kChargeSpeed = 5;
constexpr int kChargePeriod = 80;
// After this many steps a charger gives up and leaves to the left.
constexpr int kChargerStay = 680;

}  // namespace

void updateGunPlatform(GameObject& enemy)
{
    enemy.incrementTimer();
    if (enemy.timer() % 50 == 0) {
        // Bullet kind 34 takes a row instead of a heading: a column of five.
        for (int i = -1; i <= 3; ++i)
            spawnBullet(&enemy, 34, enemy.y() + 32 * i);
    }
    enemy.setY(enemy.flag() ? enemy.y() - enemy.speed() : enemy.y() + enemy.speed());
    if (enemy.timer() % 100 == 0) {
        for (double angle : {150, 180, 210})
            spawnBullet(&enemy, 35, angle);
        for (double angle : {160, 180, 200, 220})
            spawnBullet(&enemy, 35, angle);
    }
    if (enemy.y() < kPlatformTop || enemy.y() > kPlatformBottom)
        enemy.toggleFlag();
    if (enemy.timer() > kPlatformStay)
        enemy.setX(enemy.x() - enemy.speed());
    if (enemy.x() >= kPlatformStopX)
        enemy.setX(enemy.x() - enemy.speed());
    if (enemy.x() < -128)
        enemy.kill();
}

void updateCharger(GameObject& enemy)
{
    enemy.incrementTimer();
    switch (enemy.step()) {
    case 0:
        if (enemy.x() >= 512)
            enemy.setX(enemy.x() - enemy.speed());
        if (enemy.timer() % kChargePeriod == 0) {
            double aim = aimAngle(enemy);
            enemy.setAngle(aim);
            setVelocity(enemy, aim, kChargeSpeed);
            enemy.setAux(1.0f);
            enemy.setStep(1);
            for (int i = -3; i <= 2; ++i)
                spawnBullet(&enemy, 14, aimAngle(enemy) + 20 * i);
        }
        break;
    case 1:
        // The charge accelerates: every 5 steps the factor itself grows.
        if (enemy.timer() % 5 == 0) {
            enemy.setAux(static_cast<float>(enemy.aux() * 1.00625));
            enemy.setVx(enemy.vx() * enemy.aux());
            enemy.setVy(enemy.vy() * enemy.aux());
        }
        enemy.moveX();
        enemy.moveY();
        if (enemy.timer() % kChargePeriod == 0) {
            enemy.setVx(-enemy.vx());
            enemy.setVy(-enemy.vy());
            enemy.setStep(2);
        }
        break;
    case 2:
        if (enemy.x() >= 512)
            enemy.setStep(0);
        enemy.moveX();
        enemy.moveY();
        break;
    case 3:
        enemy.setX(enemy.x() - 5);
        break;
    default:
        break;
    }
    if (enemy.timer() % 20 == 0)
        enemy.toggleFlag();
    cycleAnim(enemy, 2, 4);
    if (enemy.timer() % kChargerStay == 0)
        enemy.setStep(3);
    // A charge can carry it well off screen; only far out is it gone.
    if (enemy.x() < -480 || enemy.x() > 1040 || enemy.y() < -480 || enemy.y() > 880)
        enemy.kill();
}

void updateBouncer(GameObject& enemy)
{
    enemy.incrementTimer();
    enemy.setX(enemy.x() - 1);
    enemy.setY(enemy.y() + enemy.speed());
    // Gravity; each time it falls at full speed it is thrown up again.
    enemy.setSpeed(static_cast<float>(enemy.speed() + 0.2));
    if (enemy.speed() >= 13)
        enemy.setSpeed(-13);
    if (enemy.timer() % 65 == 0)
        spawnBullet(&enemy, 4, 10);
    cycleAnim(enemy, 3, 4);
    if (enemy.x() < -80 || enemy.x() > 640 || enemy.y() < -300 || enemy.y() > 480)
        enemy.kill();
}

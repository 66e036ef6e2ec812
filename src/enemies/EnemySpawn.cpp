// The enemy kinds' starting values and the enemy spawner.
#include "enemies/EnemySpawn.h"

#include <cstddef>

#include "enemies/EnemyRules.h"
#include "objects/ObjectList.h"
#include "stage/MapCharMove.h"

namespace {

// Where the heading of a new enemy comes from.
enum class StartAngle {
    Given,   // the caller's angle
    Fixed,   // the row's angle
    ByHalf,  // 150 degrees in the upper half of the screen, 210 in the lower
};

// What the velocity starts as; the other kinds set theirs in their behaviour.
enum class StartVelocity {
    None,
    FromAngle,  // the final heading at the row's speed
    Left,       // due left at the row's speed, whatever the heading
};

struct EnemyKindRow {
    float width, height;
    float hitLeft, hitTop, hitRight, hitBottom;
    int32_t hp;
    int32_t power;
    float speed;
    StartAngle angleFrom;
    double angle;
    int32_t value;
    StartVelocity velocity;
};

constexpr StartAngle G = StartAngle::Given;
constexpr StartAngle F = StartAngle::Fixed;
constexpr StartVelocity N = StartVelocity::None;
constexpr int32_t kUnbreakable = 9999999;

// kind: size, hit box L, T, R, B, hp, power, speed, angle, value, velocity
constexpr EnemyKindRow kEnemyKindTable[kEnemyKinds] = {
    /* 0 */ {32, 32, 0, 0, 32, 32, 10, 1, 1, G, 0, 20, StartVelocity::FromAngle},
    /* 1 */ {256, 256, 50, 25, 169, 190, 2500, 50, 6, F, 7, 100, N},
    /* 2 */ {32, 32, 0, 0, 32, 32, 10, 1, 1, G, 0, 15, N},
    /* 3 */ {32, 32, 0, 0, 32, 32, 10, 1, 2, F, 180, 10, N},
    /* 4 */ {32, 32, 0, 0, 0, 0, 10, 1, 3, F, 0, 15, N},
    /* 5 */ {32, 32, 0, 0, 32, 32, 10, 1, 3, StartAngle::ByHalf, 0, 20, StartVelocity::FromAngle},
    /* 6 */ {32, 32, 0, 0, 32, 32, 10, 50, 8, F, 180, 5, N},
    /* 7 */ {128, 128, 10, 10, 118, 118, 1200, 50, 9, F, 120, 150, StartVelocity::FromAngle},
    /* 8 */ {128, 128, 0, 0, 128, 128, 4000, 50, 8, F, 180, 400, N},
    /* 9 */ {256, 256, 32, 32, 244, 244, 1800, 50, 8, F, 180, 250, N},
    /* 10 */ {0, 0, 0, 0, 64, 64, 1200, 250, 8, F, 180, 200, N},
    /* 11 */ {0, 0, 0, 0, 64, 64, 800000, 250, 8, G, 0, 1, N},
    /* 12 */ {96, 96, 0, 0, 96, 96, 80, 50, 2, G, 0, 15, N},
    /* 13 */ {64, 64, 0, 0, 64, 64, 100, 500, 1, G, 0, 25, N},
    /* 14 */ {32, 32, 0, 0, 64, 64, 1, 500, 4, G, 0, 3, N},
    /* 15 */ {64, 64, 0, 0, 64, 64, 80, 500, -13, G, 0, 12, N},
    /* 16 */ {64, 64, 0, 0, 64, 64, 20, 500, 2, G, 0, 3, StartVelocity::Left},
    /* 17 */ {512, 384, 100, 100, 120, 120, 2000, 500, -13, G, 0, 400, N},
    /* 18 */ {512, 256, -128, -60, 256, 100, kUnbreakable, 500, -13, G, 0, 12, N},
    /* 19 */ {512, 256, -128, 0, 256, 110, kUnbreakable, 500, -13, G, 0, 12, N},
    /* 20 */ {32, 32, 8, 8, 24, 24, 1, 500, 1, G, 0, 1, N},
    /* 21 */ {32, 32, 8, 8, 24, 24, 1, 500, 1, G, 0, 1, N},
};

constexpr double kLeft = 180;

// A hatch runner takes its owner from the map characters' emitter, which the
// hatch pointed at itself just before the spawn; its vertical run lasts 32
// steps for each unit of the owner's param1.
void takeMapOwner(GameObject& enemy)
{
    int32_t owner = g_mapEmitterObject ? g_mapEmitterObject->ownerIndex() : 0;
    enemy.setOwnerIndex(owner);
    bool known = owner >= 0 && static_cast<size_t>(owner) < mapChars.size();
    enemy.setTimer2(known ? 32 * mapChars[owner].param1 : 0);
}

}  // namespace

void spawnEnemy(int kind, float x, float y, double angle)
{
    if (kind < 0 || kind >= kEnemyKinds)
        return;
    GameObject* enemy = spawnInto(&g_enemyList, &g_lastEnemy, 0, kind, x, y);
    initEnemy(*enemy, angle);
}

void initEnemy(GameObject& enemy, double angle)
{
    if (enemy.kind() < 0 || enemy.kind() >= kEnemyKinds)
        return;
    const EnemyKindRow& row = kEnemyKindTable[enemy.kind()];
    double heading = angle;
    if (row.angleFrom == StartAngle::Fixed) {
        heading = row.angle;
    } else if (row.angleFrom == StartAngle::ByHalf) {
        // Flyers from the upper half cross down-left, from the lower half up-left.
        if (enemy.y() < 240) {
            enemy.toggleFlag();
            heading = 150;
        } else {
            heading = 210;
        }
    }
    if (row.velocity == StartVelocity::FromAngle)
        setVelocity(enemy, heading, row.speed);
    else if (row.velocity == StartVelocity::Left)
        setVelocity(enemy, kLeft, row.speed);
    if (enemy.kind() == 14)
        takeMapOwner(enemy);
    enemy.init(row.width, row.height, row.hitLeft, row.hitTop, row.hitRight, row.hitBottom, 0,
               row.hp, row.power, row.speed, heading, 255, 0, row.value);
}

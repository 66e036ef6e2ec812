// The map characters that release enemies: hatches that open on screen, and
// the invisible generators that put a stage's enemies and bosses on the map.
#include "enemies/EnemySpawn.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "stage/MapCharRules.h"

namespace {

constexpr int kHatchEnemy = 14;
constexpr int32_t kHatchLifetime = 1500;
constexpr int32_t kReleaseInterval = 32;

// The hatch opens in two windows of on-screen frames, 160 frames apart.
bool hatchOpening(int32_t phase)
{
    bool inWindow = (phase >= 0 && phase <= 319) || (phase >= 480 && phase <= 799);
    return inWindow && phase % kReleaseInterval == 0;
}

// A boss arrives on an empty field.
bool isBoss(int64_t kind)
{
    return kind == 1 || kind == 7 || kind == 8 || kind == 9 || kind == 10;
}

}  // namespace

void hatchAction(MapChar& record, const MapCharView& view)
{
    if (!view.onScreen)
        return;
    if (record.phase > kHatchLifetime) {
        record.dead = true;
        return;
    }
    if (hatchOpening(record.phase)) {
        record.frame = (record.frame + 1) % 2;
        record.u = static_cast<float>(record.frame) * record.du + (record.param0 == 2 ? 0.0f : 0.5f);
        // The runner finds its hatch, and its run length, through the emitter.
        if (g_mapEmitterObject)
            g_mapEmitterObject->setOwnerIndex(record.index);
        spawnEnemy(kHatchEnemy, static_cast<float>(view.screenX + 48),
                   static_cast<float>(view.screenY), 0.0);
    }
    record.phase += 1;
}

void generatorAction(MapChar& record, const MapCharView& view)
{
    if (!view.onScreen)
        return;
    if (record.phase % kReleaseInterval == 0) {
        // param1 counts the enemies still to come after this one.
        if (record.param1 > 0)
            record.param1 -= 1;
        else
            record.dead = true;
        const int64_t kind = int64_t{record.type} - 20;
        if (kind >= 0 && kind < kEnemyKinds) {
            if (isBoss(kind))
                emptyList(&g_enemyList);
            spawnEnemy(static_cast<int>(kind), static_cast<float>(view.screenX),
                       static_cast<float>(view.screenY), 0.0);
        }
    }
    record.phase += 1;
}

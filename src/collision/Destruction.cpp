// The destruction handler: explosions for ordinary enemies and shots, and for
// a boss the gallery unlock, the speaker of the conversation that follows and
// the stage clear.
#include "collision/Destruction.h"

#include "collision/StageClear.h"
#include "data/Progress.h"
#include "effects/Effects.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

int32_t g_itemsCollected = 0;

namespace {

constexpr int kCategoryEnemy = 0;
constexpr int kCategoryPlayerShot = 2;
constexpr int kCategoryItem = 6;

constexpr int kEffectItemTaken = 3;
constexpr int kEffectExplosionRed = 6;
constexpr int kEffectExplosion = 7;
constexpr int kEffectShotBurst = 201;
constexpr int kEffectUnlockCaption = 2100;
constexpr int kSoundEnemyDestroyed = 12;

// A boss unlocks a gallery picture the first time it falls; the caption shows
// only then. The portrait is the other speaker's in the conversation after it.
struct BossDefeat {
    int kind;
    int unlockEntry;
    int extraUnlockEntry;  // -1: none
    int portrait;
    bool restoresControls;
};

constexpr BossDefeat kBossDefeats[] = {
    {1, 7, -1, 7, false},
    {7, 4, -1, 4, true},
    {9, 5, -1, 5, false},
    {10, 6, -1, 6, false},
    {17, 2, 3, 8, false},
};

const BossDefeat* bossDefeat(int kind)
{
    for (const BossDefeat& boss : kBossDefeats)
        if (boss.kind == kind)
            return &boss;
    return nullptr;
}

void bossDestroyed(GameObject& boss, const BossDefeat& defeat)
{
    if (defeat.restoresControls)
        g_controlsNormal = true;
    if (!g_unlockFlags[defeat.unlockEntry]) {
        g_unlockFlags[defeat.unlockEntry] = 1;
        spawnEffect(&boss, kEffectUnlockCaption);
    }
    if (defeat.extraUnlockEntry >= 0)
        g_unlockFlags[defeat.extraUnlockEntry] = 1;
    g_portrait[1] = defeat.portrait;
    startStageClear(boss);
}

void enemyDestroyed(GameObject& enemy)
{
    if (const BossDefeat* defeat = bossDefeat(enemy.kind())) {
        bossDestroyed(enemy, *defeat);
        return;
    }
    spawnEffect(&enemy, kEffectExplosionRed);
    playSound(kSoundEnemyDestroyed);
}

void shotDestroyed(GameObject& shot)
{
    switch (shot.kind()) {
    case 0:
    case 1: spawnEffect(&shot, kEffectShotBurst); break;
    case 4: spawnEffect(&shot, kEffectExplosion); break;
    case 6: spawnEffect(&shot, kEffectExplosionRed); break;
    default: break;
    }
}

}  // namespace

void onDestroyed(GameObject& obj)
{
    switch (obj.category()) {
    case kCategoryEnemy: enemyDestroyed(obj); break;
    case kCategoryPlayerShot: shotDestroyed(obj); break;
    case kCategoryItem: spawnEffect(&obj, kEffectItemTaken); break;
    default: break;
    }
}

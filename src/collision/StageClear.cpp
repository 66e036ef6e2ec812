// The stage clear that a fallen boss starts: the boss explosion, the clear
// screen, the saved unlocks and the bullets left in the air turned to items.
#include "collision/StageClear.h"

#include "app/PlayFlags.h"
#include "collision/Items.h"
#include "data/Progress.h"
#include "effects/Effects.h"
#include "objects/ObjectList.h"
#include "sound/Sound.h"

namespace {

constexpr int kSoundStageClear = 11;
constexpr int kEffectBossExplosion = 36;
constexpr int kEffectStageClear = 1000;

}  // namespace

void startStageClear(GameObject& boss)
{
    g_stageClearing = true;
    playSound(kSoundStageClear);
    spawnEffect(&boss, kEffectBossExplosion);
    spawnEffect(&boss, kEffectStageClear);
    writeProgress();
    bulletsToItems();
}

void bulletsToItems()
{
    while (g_bulletList) {
        spawnItems(g_bulletList, 0, 1);
        removeObject(&g_bulletList, g_bulletList);
    }
}

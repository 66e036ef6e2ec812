// The new-game reset and the stage restart.
#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "objects/ObjectList.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace {

// The game-over and pause effects run the menu that restarts the stage, so
// they outlive the restart.
bool runsTheMenu(const GameObject& effect) { return effect.kind() == 27 || effect.kind() == 28; }

void emptyFrontEffectsExceptMenus()
{
    GameObject* effect = g_effectFrontList;
    while (effect)
        effect = runsTheMenu(*effect) ? effect->next : removeObject(&g_effectFrontList, effect);
}

void resetCraft()
{
    if (!g_playerObject)
        return;
    GameObject& craft = *g_playerObject;
    craft.setHp(20000);
    craft.setMaxHp(20000);
    craft.setPower(1);
    craft.setCell(0);
    craft.setAnim(0);
    craft.setAngle(0);
    craft.setAlpha(255);
    craft.setSpeed(5.0f);
}

// Everything both resets share, after the lists are emptied.
void resetPlay()
{
    // The enemy list was just emptied; keep no pointer into it.
    g_lastEnemy = nullptr;
    g_playerFrozen = false;
    g_stageClearing = false;
    resetConversationCursor();
    resetStageScript();
    resetCraft();

    g_playerState = 0;
    g_releaseTimer = 0;
    g_moveX = 0;
    g_moveY = 0;
    g_aimX = 1;
    g_aimY = 0;
    for (int i = 0; i < kPhysicalButtons; ++i) {
        g_buttonDown[i] = 0;
        g_buttonHeld[i] = 0;
        g_chargeFrames[i] = 90;
        g_chargeBlink[i] = 0;
    }
    g_gauge = 800.0f;
    g_gaugeMax = 1000.0f;
    g_controlsNormal = true;
    g_focusActive = false;
    g_specialInUse = 0;
    g_toggleOn = false;
    for (bool& busy : g_subWeaponBusy)
        busy = false;
    g_releaseInvulnerable = false;
    g_screenFlash = false;
    g_joystickUsed = false;
    g_score = 0;
    g_itemsCollected = 0;
    g_worldFrozen = false;
    g_gameOver = false;
    g_menuOpen = false;
    g_returnToTitle = false;
    // A finished ending left standing would end the next game on its first frame.
    g_endingStarted = false;
    g_endingFinished = false;
    g_afterImages = AfterImageRing{};
    resetShotState();
    stopAllSound();
}

}  // namespace

void resetForNewGame()
{
    emptyList(&g_enemyList);
    emptyList(&g_bulletList);
    emptyList(&g_effectFrontList);
    emptyList(&g_effectBackList);
    emptyList(&g_shotList);
    emptyList(&g_itemList);
    g_scene = kSceneTitle;
    g_messageMode = g_storyMode;
    g_messageBlock = 0;
    resetPlay();
    g_subWeapon = 0;
    g_bankedScore = 0;
    resetConversationState();
}

void restartStage()
{
    emptyList(&g_enemyList);
    emptyList(&g_bulletList);
    emptyFrontEffectsExceptMenus();
    emptyList(&g_effectBackList);
    emptyList(&g_shotList);
    emptyList(&g_itemList);
    g_scene = kSceneLoad;
    g_messageBlock = 2 * g_stageIndex + 1;
    resetPlay();
    if (g_playerObject)
        g_playerObject->setShape(g_playerObject->alive(), 64, 64, 36, 33, 41, 38);
}

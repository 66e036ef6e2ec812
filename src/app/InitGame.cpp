// Start-up, in its fixed order.
#include "app/InitGame.h"

#include <cstdlib>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "app/PrecomputedTables.h"
#include "bullets/BulletSpawn.h"
#include "data/ButtonConfig.h"
#include "data/Progress.h"
#include "enemies/SweepOrigin.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "hud/Hud.h"
#include "input/DirectInput.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "platform/Backend.h"
#include "player/PlayerState.h"
#include "scenes/ButtonConfigScene.h"
#include "scenes/GalleryScene.h"
#include "scenes/SelectScene.h"
#include "scenes/TitleMenu.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace {

void createStandaloneObjects()
{
    g_sweepOriginObject = new GameObject(0, 0, 0, 0);
    g_sweepOriginObject->setShape(false, 0, 0, 0, 0, 0, 0);
    g_sweepOriginObject->setX(0);
    g_sweepOriginObject->setY(0);

    g_playerObject = new GameObject(1, 0, 300, 200);
    g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
    g_playerObject->setHp(20000);
    g_playerObject->setMaxHp(20000);
    g_playerObject->setPower(1);
    g_playerObject->setAngle(0);
    g_playerObject->setCell(0);
    g_playerObject->setAnim(0);
    g_playerObject->setAlpha(255);
}

void resetPlayerControls()
{
    g_playerState = 0;
    for (bool& busy : g_subWeaponBusy)
        busy = false;
    g_toggleOn = false;
    g_controlsNormal = true;
    g_returnToTitle = false;
    g_subWeapon = 0;
    g_gauge = 800.0f;
    g_gaugeMax = 1000.0f;
    for (int i = 0; i < kGaugeCostCount; ++i)
        g_gaugeCost[i] = kDefaultGaugeCost[i];
    g_spreadCounter = 0;
    g_aimX = 1;
    g_aimY = 0;
    g_releaseInvulnerable = false;
    g_gameOver = false;
    g_menuOpen = false;
    g_worldFrozen = false;
    g_bankedScore = 0;
    g_score = 0;
    for (int i = 0; i < kPhysicalButtons; ++i) {
        g_buttonHeld[i] = 0;
        g_buttonDown[i] = 0;
    }
    g_releaseTimer = 0;
    g_focusActive = false;
    g_endingStarted = false;
    g_endingFinished = false;
    g_storyMode = false;
}

}  // namespace

bool initGame()
{
    std::srand(static_cast<unsigned>(platform::currentTime()));
    if (!loadStartupTextures())
        return false;
    createTextResources();
    initSound();

    g_scene = kSceneTitle;
    g_playerFrozen = false;
    g_stageClearing = false;
    g_messageMode = false;
    resetConversationState();
    resetTitleMenu();
    resetSelectScreen();
    resetButtonConfigScene();
    resetGalleryScene();
    g_joystickUsed = false;
    resetStageScript();

    loadStageScript();
    createStandaloneObjects();
    resetPlayerControls();

    if (!readButtonConfig())
        setDefaultActionButtons();
    if (!readProgress())
        for (int32_t& flag : g_unlockFlags)
            flag = 0;

    g_specialInUse = 0;
    g_moveX = 0;
    g_moveY = 0;
    g_playerObject->setSpeed(5.0f);
    for (int i = 0; i < kPhysicalButtons; ++i) {
        g_chargeBlink[i] = 0;
        g_chargeFrames[i] = 90;
    }
    g_screenFlash = false;
    g_focusActive = false;
    resetHudCounters();

    fillTrigTables();
    fillSwirlPaths();
    fillRingOffsets();

    g_enemyList = nullptr;
    g_effectFrontList = nullptr;
    g_bulletList = nullptr;
    g_lastEnemy = nullptr;
    g_lastEffectFront = nullptr;
    g_lastBullet = nullptr;
    return true;
}

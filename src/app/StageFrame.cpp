// One 60 Hz step of play. The order is the contract between the gameplay
// subsystems: the clock, then the collisions before anything moves, then every
// layer drawn and updated in painter's order, then the HUD.
#include "app/PlayFlags.h"
#include "app/SceneHandlers.h"
#include "bullets/BulletPass.h"
#include "collision/Collision.h"
#include "collision/Items.h"
#include "effects/Effects.h"
#include "enemies/EnemyPass.h"
#include "graphics/Background.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "hud/Hud.h"
#include "objects/ObjectList.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "sound/Sound.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace {

void collisionPasses()
{
    if (g_worldFrozen)
        return;
    if (g_itemList && g_playerObject)
        collideItemsWithPlayer(&g_itemList, &g_playerObject);
    if (g_enemyList && g_shotList)
        collideEnemiesWithShots(&g_enemyList, &g_shotList);
    if (!g_playerFrozen && !g_releaseInvulnerable && g_playerObject) {
        if (g_bulletList)
            collidePlayerWithList(&g_playerObject, &g_bulletList);
        if (g_enemyList)
            collidePlayerWithList(&g_playerObject, &g_enemyList);
    }
}

}  // namespace

void stageFrame()
{
    g_device->setTextureStageState(platform::D3DTSS_ADDRESSU, platform::D3DTADDRESS_CLAMP);
    g_device->setTextureStageState(platform::D3DTSS_ADDRESSV, platform::D3DTADDRESS_CLAMP);

    // Leaving play empties the lists; the rest of this frame runs on them.
    if (g_returnToTitle || (g_endingFinished && !g_messageMode))
        resetForNewGame();

    // The music starts on the first counted step, after any opening conversation.
    if (g_stageClock == 0 && !g_messageMode) {
        stopAllSound();
        playMusic(0);
    }
    stageScriptStep();

    // During a special attack no enemy bullet survives a frame.
    if (g_playerFrozen && g_specialInUse == 1)
        emptyList(&g_bulletList);

    collisionPasses();

    g_device->clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f);
    g_device->beginScene();
    g_device->setVertexShader(platform::kFvfSprite);
    if (!g_screenFlash) {
        drawBackground();
    } else {
        g_device->clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFFFFFFFF, 1.0f);
        g_screenFlash = false;
    }

    mapCharsStep();
    stageMapStep();

    setSpriteStates();
    bindTexture(g_texPowerCount > 0 ? g_texPower[0] : nullptr);

    effectPass(&g_effectBackList);
    drawChargeGauges();
    if (g_enemyList)
        enemyPass();
    if (g_playerObject)
        updatePlayer();
    if (g_itemList)
        itemPass();
    if (g_shotList)
        shotPass();
    if (g_messageMode) {
        conversationStep();
        effectPass(&g_effectFrontList);
    } else {
        effectPass(&g_effectFrontList);
        if (g_bulletList)
            bulletPass();
        drawStatusBars();
        drawScore(g_score + g_bankedScore);
        drawFpsCounter();
    }

    g_device->endScene();
    presentFrame();
}

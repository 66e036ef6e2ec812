// Start-up, the message loop and shutdown, in the game's fixed orders.
#include "app/GameMain.h"

#include "app/InitGame.h"
#include "app/Message.h"
#include "app/Window.h"
#include "enemies/SweepOrigin.h"
#include "graphics/Direct3D.h"
#include "input/DirectInput.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "stage/MapCharMove.h"
#include "text/Conversation.h"

namespace {

// The stand-alone object that map characters spawn from.
void createMapEmitterObject()
{
    g_mapEmitterObject = new GameObject(0, 0, 0, 0);
    g_mapEmitterObject->setShape(false, 0, 0, 0, 0, 0, 0);
    g_mapEmitterObject->setX(0);
    g_mapEmitterObject->setY(0);
    g_mapEmitterObject->setWidth(32);
    g_mapEmitterObject->setHeight(32);
}

void shutDown()
{
    releaseDirect3D();
    releaseDirectInput();
    releaseSound();
    releaseText();
    emptyList(&g_enemyList);
    emptyList(&g_bulletList);
    emptyList(&g_effectFrontList);
    emptyList(&g_effectBackList);
    emptyList(&g_shotList);
    emptyList(&g_mapEmitterObject);
    delete g_playerObject;
    g_playerObject = nullptr;
    delete g_sweepOriginObject;
    g_sweepOriginObject = nullptr;
    emptyList(&g_itemList);
    freeMapCharacters();
}

}  // namespace

int runLanternfall(bool (*afterStartup)())
{
    if (!createGameWindow(640, 480)) {
        messageBox("ゲームメインウインドウ生成に失敗しました");
        return 0;
    }
    if (!initDirect3D()) {
        messageBox("ＤｉｒｅｃｔＸの初期化に失敗しました");
        return 0;
    }
    createMapEmitterObject();
    // A start-up archive that cannot be read leaves nothing to play: its
    // loader has named the file and the problem, and the program ends cleanly.
    if (!initGame() || (afterStartup && !afterStartup())) {
        shutDown();
        return 0;
    }
    g_joystickPresent = true;
    if (!initDirectInput())
        g_joystickPresent = false;
    runMessageLoop();
    shutDown();
    return 1;
}

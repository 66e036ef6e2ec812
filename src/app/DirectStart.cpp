// What the title menu and the selection screen do on the way to the first
// stage, without the screens in between.
#include "app/DirectStart.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "text/Conversation.h"

bool startStageDirectly(int stage, int character, int subWeapon)
{
    if (!loadSelectionTextures())
        return false;
    g_storyMode = false;
    g_messageMode = false;
    g_character = character;
    g_portrait[0] = character == 0 ? 0 : 9;
    g_portrait[1] = character == 0 ? 2 : 11;
    g_playerObject->setX(300);
    g_playerObject->setY(200);
    if (character == 1 && !loadPlayerTextures(1))
        return false;
    g_subWeapon = subWeapon + 4 * character;
    if (!loadSpecialArtTextures(character))
        return false;
    g_stageIndex = stage - 1;
    g_scene = kSceneLoad;
    return true;
}

// The selection's steps that change the game's state: textures, character,
// loadout.
#include "scenes/StageStart.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "data/StoryText.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "scenes/SelectScene.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

namespace {

// Conversation portraits of each character's first page: the player on the
// upper sheet, the partner on the lower.
constexpr int kOpeningPortraits[2][2] = {{0, 2}, {9, 11}};

// The latches that the demonstrations set; types 0 and 3 are never set there.
constexpr int kDemonstratedSubWeapons[] = {1, 2, 4, 5, 6, 7};

constexpr int kSelectionMusic = 1;

}  // namespace

bool openSelection()
{
    g_character = kNoCharacter;
    g_texturesTrimmed = false;
    return loadSelectionTextures();
}

void chooseCharacter(int character)
{
    if (character != 0 && character != 1)
        return;
    g_character = character;
    g_portrait[0] = kOpeningPortraits[character][0];
    g_portrait[1] = kOpeningPortraits[character][1];
    if (g_playerObject) {
        g_playerObject->setX(300);
        g_playerObject->setY(200);
    }
}

bool trimSelectionTextures(int character)
{
    if (g_texturesTrimmed)
        return true;
    g_texturesTrimmed = true;
    if (character == 1) {
        // Character 1's tap and release shots still draw from the first picture.
        if (g_texShot1Count > 1)
            releaseTextureSet(g_texShot1 + 1, g_texShot1Count - 1);
        return loadPlayerTextures(1);
    }
    releaseTextureSet(g_texShot2, g_texShot2Count);
    return true;
}

bool confirmLoadout(int entry)
{
    if ((g_character != 0 && g_character != 1) || entry < 0 || entry >= kSubWeaponEntries)
        return false;
    g_subWeapon = entry + 4 * g_character;
    g_scene = kSceneLoad;
    emptyList(&g_shotList);
    for (int type : kDemonstratedSubWeapons)
        g_subWeaponBusy[type] = false;
    releaseTextureSet(g_texSelect, g_texSelectCount);
    releaseTextureSet(g_texPlayer2, g_texPlayer2Count);
    bool loaded = loadSpecialArtTextures(g_character);
    if (g_storyMode) {
        loaded = loadStoryText(storyTextFile(g_character)) && loaded;
        stopAllSound();
        playMusic(kSelectionMusic);
    }
    return loaded;
}

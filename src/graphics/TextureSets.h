// The texture sets: the contents of one archive each, as an array of textures
// addressed by entry index, and their count. Entries that failed to load are
// null and draw nothing. Each array has at least as many entries as the game
// draws from, so indexing a short archive's set stays inside the array.
#pragma once

#include "platform/Device.h"

extern platform::Texture** g_texFront;       // "lnfpac/front.pac"
extern int g_texFrontCount;
extern platform::Texture** g_texMap;         // "lnfpac/map_b.pac"
extern int g_texMapCount;
extern platform::Texture** g_texPower;       // "lnfpac/p_pow.pac"
extern int g_texPowerCount;
extern platform::Texture** g_texEnemy;       // "lnfpac/e_c.pac"
extern int g_texEnemyCount;
extern platform::Texture** g_texEnemyShot;   // "lnfpac/e_s.pac"
extern int g_texEnemyShotCount;
extern platform::Texture** g_texEffect;      // "lnfpac/effect_cg.pac"
extern int g_texEffectCount;
extern platform::Texture** g_texFontWindow;  // "lnfpac/fontwind.pac"
extern int g_texFontWindowCount;
extern platform::Texture** g_texBack;        // "lnfpac/backcg.pac"
extern int g_texBackCount;
extern platform::Texture** g_texSelect;      // "lnfpac/p_sel.pac"
extern int g_texSelectCount;
extern platform::Texture** g_texPlayer;      // "lnfpac/p_p1.pac", or p_p2 once character 1 is chosen
extern int g_texPlayerCount;
extern platform::Texture** g_texPlayer2;     // "lnfpac/p_p2.pac"
extern int g_texPlayer2Count;
extern platform::Texture** g_texShot1;       // "lnfpac/p_s1.pac"
extern int g_texShot1Count;
extern platform::Texture** g_texShot2;       // "lnfpac/p_s2.pac"
extern int g_texShot2Count;
extern platform::Texture** g_texSpecialArt;  // "lnfpac/p_b1.pac" or "lnfpac/p_b2.pac"
extern int g_texSpecialArtCount;
extern platform::Texture** g_texGallery;     // "lnfpac/evcg.pac"
extern int g_texGalleryCount;

// Key types of the archive reader: which opaque colour becomes transparent.
constexpr int kKeyBlack = 0;
constexpr int kKeyRed = 1;
constexpr int kKeyMagenta = 2;

// Loads an archive into a set, releasing what the set held first. The array
// is padded with nulls up to minEntries. False (and an empty set) when the
// archive cannot be read at all; the reader has shown the message.
bool loadTextureSet(const char* path, int keyType, int minEntries, platform::Texture**& textures,
                    int& count);

// The eight sets that live for the whole run: front, map, power, enemy, enemy
// shot, effect, font window, background. False when one of them cannot be
// read; start-up then ends the program.
bool loadStartupTextures();
// Select, player (character 0's craft), player 2, shot 1 and shot 2; run each
// time a game is started from the title. False when one cannot be read.
bool loadSelectionTextures();
// The chosen character's craft into g_texPlayer (p_p1 or p_p2).
bool loadPlayerTextures(int character);
// The chosen character's double-charge cut-in (p_b1 or p_b2).
bool loadSpecialArtTextures(int character);
// The gallery pictures.
bool loadGalleryTextureSet();

// Entry index of a set, or null when the set has no such entry.
inline platform::Texture* textureSetEntry(platform::Texture** textures, int count, int index)
{
    return textures && index >= 0 && index < count ? textures[index] : nullptr;
}

// Releases each texture of a set and nulls its entry; the array stays.
void releaseTextureSet(platform::Texture** textures, int count);
// Releases the textures and frees the array; the set ends empty (null, 0).
void freeTextureSet(platform::Texture**& textures, int& count);
// Every set, at shutdown.
void releaseAllTextureSets();

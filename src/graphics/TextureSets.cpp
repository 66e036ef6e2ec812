// The texture sets: which archive fills which set, loading, release and reload.
#include "graphics/TextureSets.h"

#include <algorithm>
#include <iterator>

#include "data/Archive.h"

platform::Texture** g_texFront = nullptr;
int g_texFrontCount = 0;
platform::Texture** g_texMap = nullptr;
int g_texMapCount = 0;
platform::Texture** g_texPower = nullptr;
int g_texPowerCount = 0;
platform::Texture** g_texEnemy = nullptr;
int g_texEnemyCount = 0;
platform::Texture** g_texEnemyShot = nullptr;
int g_texEnemyShotCount = 0;
platform::Texture** g_texEffect = nullptr;
int g_texEffectCount = 0;
platform::Texture** g_texFontWindow = nullptr;
int g_texFontWindowCount = 0;
platform::Texture** g_texBack = nullptr;
int g_texBackCount = 0;
platform::Texture** g_texSelect = nullptr;
int g_texSelectCount = 0;
platform::Texture** g_texPlayer = nullptr;
int g_texPlayerCount = 0;
platform::Texture** g_texPlayer2 = nullptr;
int g_texPlayer2Count = 0;
platform::Texture** g_texShot1 = nullptr;
int g_texShot1Count = 0;
platform::Texture** g_texShot2 = nullptr;
int g_texShot2Count = 0;
platform::Texture** g_texSpecialArt = nullptr;
int g_texSpecialArtCount = 0;
platform::Texture** g_texGallery = nullptr;
int g_texGalleryCount = 0;

namespace {

struct SetSource {
    const char* path;
    int keyType;
    int minEntries;  // entries the drawing code indexes
    platform::Texture*** textures;
    int* count;
};

// In loading order.
const SetSource kStartupSets[] = {
    {"lnfpac/front.pac", kKeyMagenta, 2, &g_texFront, &g_texFrontCount},
    {"lnfpac/map_b.pac", kKeyMagenta, 1, &g_texMap, &g_texMapCount},
    {"lnfpac/p_pow.pac", kKeyBlack, 1, &g_texPower, &g_texPowerCount},
    {"lnfpac/e_c.pac", kKeyBlack, 6, &g_texEnemy, &g_texEnemyCount},
    {"lnfpac/e_s.pac", kKeyBlack, 4, &g_texEnemyShot, &g_texEnemyShotCount},
    {"lnfpac/effect_cg.pac", kKeyBlack, 8, &g_texEffect, &g_texEffectCount},
    {"lnfpac/fontwind.pac", kKeyRed, 2, &g_texFontWindow, &g_texFontWindowCount},
    {"lnfpac/backcg.pac", kKeyRed, 5, &g_texBack, &g_texBackCount},
};

const SetSource kSelectionSets[] = {
    {"lnfpac/p_sel.pac", kKeyBlack, 4, &g_texSelect, &g_texSelectCount},
    {"lnfpac/p_p1.pac", kKeyBlack, 2, &g_texPlayer, &g_texPlayerCount},
    {"lnfpac/p_p2.pac", kKeyBlack, 2, &g_texPlayer2, &g_texPlayer2Count},
    {"lnfpac/p_s1.pac", kKeyBlack, 6, &g_texShot1, &g_texShot1Count},
    {"lnfpac/p_s2.pac", kKeyBlack, 5, &g_texShot2, &g_texShot2Count},
};

constexpr int kPlayerEntries = 2;
constexpr int kSpecialArtEntries = 2;
constexpr int kGalleryEntries = 11;

bool loadSources(const SetSource* sources, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const SetSource& s = sources[i];
        if (!loadTextureSet(s.path, s.keyType, s.minEntries, *s.textures, *s.count)) return false;
    }
    return true;
}

}  // namespace

bool loadTextureSet(const char* path, int keyType, int minEntries, platform::Texture**& textures,
                    int& count) {
    freeTextureSet(textures, count);
    platform::Texture** loaded = nullptr;
    int loadedCount = 0;
    if (!loadArchiveTextures(path, keyType, loaded, loadedCount)) return false;
    if (loadedCount >= minEntries) {
        textures = loaded;
        count = loadedCount;
        return true;
    }
    // A short archive: the missing entries stay null so drawing them is harmless.
    textures = new platform::Texture*[minEntries]();
    std::copy(loaded, loaded + loadedCount, textures);
    delete[] loaded;
    count = minEntries;
    return true;
}

bool loadStartupTextures() {
    if (loadSources(kStartupSets, std::size(kStartupSets))) return true;
    // Start-up ends the program now: nothing loaded so far is left behind.
    for (const SetSource& s : kStartupSets) freeTextureSet(*s.textures, *s.count);
    return false;
}

bool loadSelectionTextures() { return loadSources(kSelectionSets, std::size(kSelectionSets)); }

bool loadPlayerTextures(int character) {
    const char* path = character == 1 ? "lnfpac/p_p2.pac" : "lnfpac/p_p1.pac";
    return loadTextureSet(path, kKeyBlack, kPlayerEntries, g_texPlayer, g_texPlayerCount);
}

bool loadSpecialArtTextures(int character) {
    const char* path = character == 1 ? "lnfpac/p_b2.pac" : "lnfpac/p_b1.pac";
    return loadTextureSet(path, kKeyRed, kSpecialArtEntries, g_texSpecialArt,
                          g_texSpecialArtCount);
}

bool loadGalleryTextureSet() {
    return loadTextureSet("lnfpac/evcg.pac", kKeyRed, kGalleryEntries, g_texGallery,
                          g_texGalleryCount);
}

void releaseTextureSet(platform::Texture** textures, int count) {
    if (!textures) return;
    for (int i = 0; i < count; ++i) {
        delete textures[i];
        textures[i] = nullptr;
    }
}

void freeTextureSet(platform::Texture**& textures, int& count) {
    releaseTextureSet(textures, count);
    delete[] textures;
    textures = nullptr;
    count = 0;
}

void releaseAllTextureSets() {
    for (const SetSource& s : kStartupSets) freeTextureSet(*s.textures, *s.count);
    for (const SetSource& s : kSelectionSets) freeTextureSet(*s.textures, *s.count);
    freeTextureSet(g_texSpecialArt, g_texSpecialArtCount);
    freeTextureSet(g_texGallery, g_texGalleryCount);
}

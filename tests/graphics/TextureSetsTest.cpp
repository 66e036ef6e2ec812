// The texture sets: start-up and selection loads, short archives, reloads and release.
#include <gtest/gtest.h>

#include "data/TestFiles.h"
#include "graphics/TextureSets.h"

namespace {

const char* const kStartupArchives[] = {
    "lnfpac/front.pac", "lnfpac/map_b.pac", "lnfpac/p_pow.pac", "lnfpac/e_c.pac",
    "lnfpac/e_s.pac", "lnfpac/effect_cg.pac", "lnfpac/fontwind.pac", "lnfpac/backcg.pac"};
const char* const kSelectionArchives[] = {"lnfpac/p_sel.pac", "lnfpac/p_p1.pac", "lnfpac/p_p2.pac",
                                          "lnfpac/p_s1.pac", "lnfpac/p_s2.pac"};

// An archive of `entries` 1-pixel images; the first pixel's width tells archives apart.
std::vector<uint8_t> archiveOf(int entries, int width = 1) {
    std::vector<std::vector<uint8_t>> images;
    for (int i = 0; i < entries; ++i)
        images.push_back(testfiles::bmp24(width, 1, std::vector<uint32_t>(width, 0xFF808080)));
    return testfiles::archive(images);
}

class TextureSets : public testfiles::InTempDir {
protected:
    void TearDown() override {
        releaseAllTextureSets();
        InTempDir::TearDown();
    }
};

}  // namespace

TEST_F(TextureSets, StartupLoadsEverySetAndPadsShortArchives) {
    for (const char* path : kStartupArchives) writeFile(path, archiveOf(8));
    writeFile("lnfpac/e_c.pac", archiveOf(2));  // the enemy sheets need 6
    ASSERT_TRUE(loadStartupTextures());
    EXPECT_EQ(g_texFrontCount, 8);
    EXPECT_EQ(g_texBackCount, 8);
    ASSERT_EQ(g_texEnemyCount, 6);
    EXPECT_NE(g_texEnemy[1], nullptr);
    for (int i = 2; i < 6; ++i) EXPECT_EQ(g_texEnemy[i], nullptr) << i;
    EXPECT_TRUE(messages().empty());
}

TEST_F(TextureSets, AMissingStartupArchiveStopsTheLoadWithAMessage) {
    for (const char* path : kStartupArchives) writeFile(path, archiveOf(8));
    std::filesystem::remove("lnfpac/fontwind.pac");
    EXPECT_FALSE(loadStartupTextures());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("lnfpac/fontwind.pacを読み込めません: ファイルが開けません"),
              std::string::npos);
    EXPECT_EQ(g_texFontWindow, nullptr);
    EXPECT_EQ(g_texFontWindowCount, 0);
    EXPECT_EQ(g_texFront, nullptr);  // the sets loaded before it are given back too
    EXPECT_EQ(g_texEffectCount, 0);
}

TEST_F(TextureSets, SelectionSetsReloadOnEveryGameAndFollowTheChosenCharacter) {
    for (const char* path : kSelectionArchives) writeFile(path, archiveOf(6));
    writeFile("lnfpac/p_p2.pac", archiveOf(2, 2));
    writeFile("lnfpac/p_b1.pac", archiveOf(2, 1));
    writeFile("lnfpac/p_b2.pac", archiveOf(2, 2));
    ASSERT_TRUE(loadSelectionTextures());
    ASSERT_TRUE(loadSelectionTextures());  // a second game: the first arrays are released, not leaked
    EXPECT_EQ(g_texPlayer[0]->width(), 1);
    EXPECT_EQ(g_texPlayer2[0]->width(), 2);
    ASSERT_TRUE(loadPlayerTextures(1));
    EXPECT_EQ(g_texPlayer[0]->width(), 2);
    ASSERT_TRUE(loadSpecialArtTextures(1));
    EXPECT_EQ(g_texSpecialArt[1]->width(), 2);
    ASSERT_TRUE(loadSpecialArtTextures(0));
    EXPECT_EQ(g_texSpecialArt[1]->width(), 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(TextureSets, ReleasingASetEmptiesItsEntriesButKeepsTheArray) {
    writeFile("lnfpac/evcg.pac", archiveOf(3));
    ASSERT_TRUE(loadGalleryTextureSet());
    ASSERT_EQ(g_texGalleryCount, 11);
    platform::Texture** array = g_texGallery;
    releaseTextureSet(g_texGallery, g_texGalleryCount);
    EXPECT_EQ(g_texGallery, array);
    for (int i = 0; i < g_texGalleryCount; ++i) EXPECT_EQ(g_texGallery[i], nullptr);
    freeTextureSet(g_texGallery, g_texGalleryCount);
    EXPECT_EQ(g_texGallery, nullptr);
    EXPECT_EQ(g_texGalleryCount, 0);
}

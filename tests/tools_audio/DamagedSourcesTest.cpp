// Damaged recipes and scores: whatever the damage, the tools either accept
// the text or report a file and line; they never crash or hang.
#include "AudioFileReaders.h"
#include "Recipe.h"
#include "Score.h"
#include "Synth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

// Overwrites, deletes or duplicates a few bytes at seeded random places.
std::string damage(std::string text, unsigned seed) {
    std::srand(seed);
    const char alphabet[] = "abcdefgr0123456789.&^[]:{}|$<>+-#;\n \tvqlokxyz";
    int edits = 1 + std::rand() % 4;
    for (int i = 0; i < edits && !text.empty(); ++i) {
        std::size_t at = std::size_t(std::rand()) % text.size();
        switch (std::rand() % 3) {
            case 0: text[at] = alphabet[std::rand() % (sizeof alphabet - 1)]; break;
            case 1: text.erase(at, 1 + std::rand() % 8); break;
            default: text.insert(at, text.substr(at, 1 + std::rand() % 12)); break;
        }
    }
    return text;
}

const std::regex kLocated("^[^:]+:[0-9]+: .+");

TEST(DamagedSources, RecipesAreRenderedOrRejectedWithALine) {
    int rejected = 0;
    for (int n = 0; n < 16; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/wav%02d.txt", n);
        std::string original = audiotest::readText(std::string(LNF_SFX_DIR) + name);
        for (unsigned trial = 0; trial < 12; ++trial) {
            std::string text = damage(original, 1000u * n + trial);
            sfxgen::Recipe recipe;
            std::string error;
            if (!sfxgen::parseRecipe(text, name, recipe, error)) {
                EXPECT_TRUE(std::regex_match(error, kLocated)) << error;
                ++rejected;
                continue;
            }
            std::vector<std::int16_t> pcm;
            if (sfxgen::finishSamples(recipe, sfxgen::renderVoices(recipe), pcm, error)) {
                EXPECT_FALSE(pcm.empty());
            }
        }
    }
    EXPECT_GT(rejected, 0);
}

TEST(DamagedSources, ScoresAreCompiledOrRejectedWithALine) {
    int rejected = 0;
    for (int n = 0; n < 5; ++n) {
        std::string path = std::string(LNF_MUSIC_DIR) + "/mid0" + std::to_string(n) + ".mml";
        std::string original = audiotest::readText(path);
        ASSERT_FALSE(original.empty()) << path;
        for (unsigned trial = 0; trial < 40; ++trial) {
            mmlc::Score score;
            std::string error;
            std::vector<std::uint8_t> bytes;
            if (mmlc::parseScore(damage(original, 7000u * n + trial), path, score, error)) {
                ASSERT_TRUE(mmlc::scoreToMidi(score, bytes, error)) << error;
                EXPECT_TRUE(audiotest::parseMidi(bytes).ok);
            } else {
                EXPECT_TRUE(std::regex_match(error, kLocated)) << error;
                ++rejected;
            }
        }
    }
    EXPECT_GT(rejected, 0);
}

}  // namespace

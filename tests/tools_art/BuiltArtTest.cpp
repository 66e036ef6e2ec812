// The built pictures and archives: every catalogued rectangle shows art, key colours appear only as
// background, backgrounds wrap, output repeats byte for byte, and the game's reader gets the textures.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ArtFiles.h"
#include "data/Archive.h"
#include "platform/Device.h"

namespace {

const art::Catalog& catalog() { return artCatalog(); }

art::Image picture(const art::Archive& archive, const art::Entry& entry) {
    return builtPicture(archive.name, entry.index);
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr std::uint32_t kKeys[3] = {0x000000, 0xFF0000, 0xFF00FF};

TEST(BuiltArt, EveryRectangleFrameShowsArtAndClearOnesStayClear) {
    for (const art::Archive& archive : catalog().archives) {
        const std::uint32_t key = kKeys[archive.key];
        for (const art::Entry& entry : archive.entries) {
            const art::Image image = picture(archive, entry);
            ASSERT_EQ(image.width, entry.width) << art::pngName(archive, entry);
            ASSERT_EQ(image.height, entry.height) << art::pngName(archive, entry);
            for (const art::Rect& rect : entry.rects) {
                for (int cell = 0; cell < rect.cells; ++cell) {
                    int shown = 0, solid = 0;
                    const int x0 = rect.x0 + cell * (rect.width() / rect.cells);
                    for (int y = rect.y0; y < rect.y1; ++y)
                        for (int x = x0; x < x0 + rect.width() / rect.cells; ++x) {
                            const std::uint32_t p = image.pixels[static_cast<std::size_t>(y) * image.width + x];
                            const bool seeThrough = (p >> 24) == 0 || p == (0xFF000000 | key);
                            shown += !seeThrough;
                            solid += !seeThrough && (p >> 24) == 255;
                        }
                    const int area = rect.height() * rect.width() / rect.cells;
                    const std::string where = art::pngName(archive, entry) + " " + rect.id + " frame " +
                                              std::to_string(cell);
                    switch (rect.use) {
                    case art::RectUse::Clear: EXPECT_EQ(shown, 0) << where; break;
                    case art::RectUse::Opaque: EXPECT_EQ(solid, area) << where; break;
                    default: EXPECT_GT(shown, area / 100) << where; break;
                    }
                }
            }
        }
    }
}

TEST(BuiltArt, KeyColourAppearsOnlyAsBackground) {
    for (const art::Archive& archive : catalog().archives) {
        const std::uint32_t key = kKeys[archive.key];
        for (const art::Entry& entry : archive.entries) {
            const art::Image image = picture(archive, entry);
            int wrong = 0;
            for (std::uint32_t p : image.pixels) {
                const std::uint32_t alpha = p >> 24, rgb = p & 0xFFFFFF;
                if (alpha == 0 && rgb != key) ++wrong;                   // would bleed under filtering
                if (alpha != 0 && alpha != 255 && rgb == key) ++wrong;   // art that looks like the key
                if (entry.mode != art::EntryMode::Alpha && alpha != 255) ++wrong;
                if (entry.mode == art::EntryMode::Opaque && rgb == key) ++wrong;
            }
            EXPECT_EQ(wrong, 0) << art::pngName(archive, entry);
        }
    }
}

TEST(BuiltArt, StageBackgroundsWrapWithoutASeam) {
    const art::Archive* backgrounds = catalog().findArchive("backcg");
    ASSERT_NE(backgrounds, nullptr);
    for (const art::Entry& entry : backgrounds->entries) {
        const art::Image image = picture(*backgrounds, entry);
        // The step from the last column to the first must look like any step inside the picture.
        auto columnStep = [&](int a, int b) {
            double total = 0;
            for (int y = 0; y < image.height; ++y)
                for (int shift : {0, 8, 16})
                    total += std::abs(static_cast<int>((image.at(a, y) >> shift) & 0xFF) -
                                      static_cast<int>((image.at(b, y) >> shift) & 0xFF));
            return total / image.height;
        };
        // Shapes may start or end between the last and the first column like between any two others,
        // so compare the wrap with the sharpest steps inside rather than with the average.
        std::vector<double> steps;
        for (int x = 0; x + 1 < image.width; ++x) steps.push_back(columnStep(x, x + 1));
        std::sort(steps.begin(), steps.end());
        const double sharp = steps[steps.size() * 98 / 100];
        EXPECT_LE(columnStep(image.width - 1, 0), sharp * 1.5 + 1) << art::pngName(*backgrounds, entry);
    }
}

TEST(BuiltArt, RepaintingGivesTheSameBytes) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / ("lnf_art_repaint-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string command =
        std::string(LNF_ARTGEN) + " " + LNF_ART_CATALOG + " " + dir.string() + " p_pow";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<std::uint8_t> fresh = fileBytes((dir / "p_pow_0.png").string());
    EXPECT_FALSE(fresh.empty());
    EXPECT_EQ(fresh, fileBytes(std::string(LNF_ART_DIR) + "/p_pow_0.png"));
    std::filesystem::remove_all(dir);
}

TEST(BuiltArt, GameReaderLoadsEveryArchiveWithItsKey) {
    for (const art::Archive& archive : catalog().archives) {
        const std::string path = std::string(LNF_GAME_DIR) + "/lnfpac/" + archive.name + ".pac";
        const std::vector<std::uint8_t> bytes = fileBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        std::vector<std::unique_ptr<platform::Texture>> textures;
        std::string problem;
        ASSERT_TRUE(readArchive(bytes.data(), bytes.size(), archive.key, textures, problem)) << path << problem;
        EXPECT_TRUE(problem.empty()) << path << ": " << problem;
        ASSERT_EQ(textures.size(), archive.entries.size()) << path;
        for (std::size_t i = 0; i < textures.size(); ++i) {
            ASSERT_NE(textures[i], nullptr) << path << " entry " << i;
            EXPECT_EQ(textures[i]->width(), archive.entries[i].width) << path << " entry " << i;
            EXPECT_EQ(textures[i]->height(), archive.entries[i].height) << path << " entry " << i;
            // Wherever the stored picture is background, the game sees a transparent texel.
            const art::Image image = picture(archive, archive.entries[i]);
            int keyedButVisible = 0;
            for (int y = 0; y < image.height; ++y)
                for (int x = 0; x < image.width; ++x)
                    if (art::isTransparent(image.at(x, y), archive.key) && (textures[i]->texel(x, y) >> 24) != 0)
                        ++keyedButVisible;
            EXPECT_EQ(keyedButVisible, 0) << path << " entry " << i;
        }
    }
}

TEST(BuiltArt, StartUpLoaderSeesOpaqueWindowsAndATransparentEmptyTile) {
    platform::Texture** textures = nullptr;
    int count = 0;
    ASSERT_TRUE(loadArchiveTextures(LNF_GAME_DIR "/lnfpac/front.pac", 2, textures, count));
    ASSERT_EQ(count, 2);
    for (int side = 0; side < 2; ++side)
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 512; ++x)
                ASSERT_EQ(textures[side]->texel(x, y) >> 24, 0xFFu) << side << " " << x << "," << y;
    for (int i = 0; i < count; ++i) delete textures[i];
    delete[] textures;

    ASSERT_TRUE(loadArchiveTextures(LNF_GAME_DIR "/lnfpac/map_b.pac", 2, textures, count));
    ASSERT_EQ(count, 1);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(textures[0]->texel(x, y) >> 24, 0u) << x << "," << y;
    // Every other cell of the first tile row is a solid wall.
    for (int x = 32; x < 512; ++x) ASSERT_EQ(textures[0]->texel(x, 16) >> 24, 0xFFu) << x;
    delete textures[0];
    delete[] textures;
}

}  // namespace

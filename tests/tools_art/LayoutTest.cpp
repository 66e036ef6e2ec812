// What the game's drawing code relies on inside the pictures: uniform strips that get stretched,
// clear rows where rectangles meet or clamp reads off the sheet, symmetric bullets, the craft's core,
// distinct portraits, and strips that continue their main pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ArtFiles.h"

namespace {

int channelDistance(std::uint32_t a, std::uint32_t b) {
    int total = 0;
    for (int shift : {0, 8, 16, 24})
        total += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return total;
}

// Mean difference between two columns (or rows) of a region, over its height (or width).
double lineStep(const art::Image& image, int x0, int y0, int w, int h, bool columns, int a, int b) {
    double total = 0;
    const int length = columns ? h : w;
    for (int i = 0; i < length; ++i)
        total += columns ? channelDistance(image.at(x0 + a, y0 + i), image.at(x0 + b, y0 + i))
                         : channelDistance(image.at(x0 + i, y0 + a), image.at(x0 + i, y0 + b));
    return total / length;
}

// A region repeated next to itself joins no worse than its sharpest inner step.
bool tilesSeamlessly(const art::Image& image, int x0, int y0, int w, int h, bool columns) {
    const int count = columns ? w : h;
    double sharpest = 0;
    for (int i = 0; i + 1 < count; ++i) sharpest = std::max(sharpest, lineStep(image, x0, y0, w, h, columns, i, i + 1));
    return lineStep(image, x0, y0, w, h, columns, count - 1, 0) <= sharpest * 1.25 + 4;
}

TEST(ArtLayout, StretchedStripsAreUniformAlongTheirStretch) {
    struct Case {
        const char* archive;
        int entry;
        const char* id;
        bool alongX;  // every column equal (true) or every row equal (false)
    };
    const Case cases[] = {
        {"p_pow", 0, "lifeFull", true},         {"p_pow", 0, "lifeLost", true},
        {"e_s", 3, "beamStrip", true},          {"effect_cg", 2, "verticalBeam", false},
        {"p_s2", 3, "pillar", false},           {"p_sel", 3, "gridLine", true},
        {"p_sel", 3, "gridLine", false},        {"p_pow", 0, "overlay", true},
        {"p_pow", 0, "overlay", false},
    };
    for (const Case& c : cases) {
        const art::Image image = builtPicture(c.archive, c.entry);
        const art::Rect& r = artRect(c.archive, c.entry, c.id);
        int uneven = 0;
        for (int y = r.y0; y < r.y1; ++y)
            for (int x = r.x0; x < r.x1; ++x)
                uneven += image.at(x, y) != (c.alongX ? image.at(r.x0, y) : image.at(x, r.y0));
        EXPECT_EQ(uneven, 0) << c.archive << " " << c.id;
    }
}

TEST(ArtLayout, OverlayNeighboursShareItsColourSoFilteringAddsNoTint) {
    const art::Image image = builtPicture("p_pow", 0);
    const art::Rect& r = artRect("p_pow", 0, "overlay");
    const std::uint32_t colour = image.at(r.x0, r.y0);
    EXPECT_EQ(colour, 0xFF101028u);
    for (int x = r.x0; x <= r.x1; ++x) {
        EXPECT_EQ(image.at(x, r.y0 - 1), colour) << x;
        EXPECT_EQ(image.at(x, r.y1), colour) << x;
    }
    for (int y = r.y0; y < r.y1; ++y) EXPECT_EQ(image.at(r.x1, y), colour) << y;
}

TEST(ArtLayout, RowsAndColumnsTheGameReadsByAccidentStayDark) {
    struct Case {
        const char* why;
        const char* archive;
        int entry;
        int x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"boss 1's flash frame clamps to column 511", "e_c", 1, 511, 0, 512, 256},
        {"the sparkle row starts 2.6 texels early", "effect_cg", 2, 0, 186, 512, 196},
        {"title captions overlap when highlighted (top)", "effect_cg", 4, 0, 384, 256, 386},
        {"between the first and second caption rows", "effect_cg", 4, 0, 425, 256, 429},
        {"between the second and third caption rows", "effect_cg", 4, 0, 467, 256, 471},
        {"title captions overlap when highlighted (bottom)", "effect_cg", 4, 0, 509, 256, 512},
        {"the carrier dot of the self-drawing shots", "p_s1", 0, 0, 0, 2, 1},
    };
    for (const Case& c : cases) {
        const art::Image image = builtPicture(c.archive, c.entry);
        const int key = artArchive(c.archive).key;
        int lit = 0;
        for (int y = c.y0; y < c.y1; ++y)
            for (int x = c.x0; x < c.x1; ++x) lit += brightness(image.at(x, y), key) > 8;
        EXPECT_EQ(lit, 0) << c.why;
    }
}

TEST(ArtLayout, RepeatedPiecesJoinSeamlessly) {
    // Stone courses and lacquer planks end in a joint row on purpose, and iron plates are bevelled on
    // every side; those only need their courses to continue sideways.
    struct Case {
        const char* what;
        int x0, y0;
        bool downToo;
    };
    const Case cases[] = {
        {"extending beam", 128, 256, true}, {"town fill", 0, 32, true},    {"cavern fill", 0, 96, true},
        {"night stone fill", 32, 0, false}, {"castle fill", 0, 64, false}, {"shrine fill", 0, 160, false},
    };
    const art::Image image = builtPicture("map_b", 0);
    for (const Case& c : cases) {
        EXPECT_TRUE(tilesSeamlessly(image, c.x0, c.y0, 32, 32, true)) << c.what << " left to right";
        if (c.downToo) {
            EXPECT_TRUE(tilesSeamlessly(image, c.x0, c.y0, 32, 32, false)) << c.what << " top to bottom";
        }
    }
}

TEST(ArtLayout, DirectionalBulletsReadTheSameEitherWayRound) {
    for (const char* id : {"dirA", "dirB", "dirATail", "dirBTail"}) {
        const art::Image image = builtPicture("e_s", 3);
        const art::Rect& r = artRect("e_s", 3, id);
        for (int cell = 0; cell < r.cells; ++cell) {
            double total = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    total += channelDistance(image.at(r.cellX(cell) + x, r.y0 + y),
                                             image.at(r.cellX(cell) + 15 - x, r.y0 + 15 - y));
            EXPECT_LE(total / 256, 6.0) << id << " cell " << cell;
        }
        // The 0-degree needle reaches column 0, so a negative cell index still shows a bar.
        if (r.x0 == 0) {
            EXPECT_GT(brightness(image.at(0, r.y0 + 8), 0), 60) << id;
        }
    }
}

TEST(ArtLayout, GlowsAndRaysHaveTheirBrightSideWhereTheGameExpects) {
    // The laser muzzle is symmetric about its centre row.
    const art::Image shots = builtPicture("e_s", 3);
    const art::Rect& muzzle = artRect("e_s", 3, "laserMuzzle");
    double asymmetry = 0;
    for (int y = 0; y < muzzle.height() / 2; ++y)
        asymmetry += lineStep(shots, muzzle.x0, muzzle.y0, muzzle.width(), muzzle.height(), false, y,
                              muzzle.height() - 1 - y);
    EXPECT_LE(asymmetry / (muzzle.height() / 2), 4.0);
    // The beam strip hurts on rows 8-13; its brightest row lies there.
    const art::Rect& strip = artRect("e_s", 3, "beamStrip");
    int brightestRow = 0;
    for (int y = 0; y < strip.height(); ++y)
        if (brightness(shots.at(0, strip.y0 + y), 0) > brightness(shots.at(0, strip.y0 + brightestRow), 0))
            brightestRow = y;
    EXPECT_GE(brightestRow, 8);
    EXPECT_LE(brightestRow, 13);
    // The light wedge is brightest at the orb (bottom row) and fades toward its tip (top row).
    const art::Image wedge = builtPicture("p_s2", 4);
    for (int y = 1; y < wedge.height; ++y)
        EXPECT_GE(wedge.at(32, y) >> 24, wedge.at(32, y - 1) >> 24) << y;
    EXPECT_LT(wedge.at(32, 0) >> 24, 16u);
    EXPECT_GT(wedge.at(32, 63) >> 24, 200u);
    // The hit-box marker is a bright dot inside a dark rim.
    const art::Image marker = builtPicture("effect_cg", 5);
    EXPECT_GT(brightness(marker.at(4, 4), 0), 600);
    EXPECT_LT(brightness(marker.at(4, 0), 0), 200);
}

TEST(ArtLayout, EveryCraftFrameShowsItsCoreOverTheHitBox) {
    for (const char* archive : {"p_p1", "p_p2"})
        for (int entry = 0; entry < 2; ++entry) {
            const art::Image image = builtPicture(archive, entry);
            for (int cellY = 0; cellY < 4; ++cellY)
                for (int cellX = 0; cellX < 4; ++cellX) {
                    const int x0 = cellX * 64, y0 = cellY * 64;
                    int hidden = 0;
                    for (int y = 33; y < 38; ++y)
                        for (int x = 36; x < 41; ++x) hidden += art::isTransparent(image.at(x0 + x, y0 + y), 0);
                    EXPECT_EQ(hidden, 0) << archive << " " << entry << " cell " << cellX << "," << cellY;
                    EXPECT_GT(brightness(image.at(x0 + 38, y0 + 35), 0), 600) << archive << " " << cellX;
                }
        }
}

TEST(ArtLayout, TallDigitsFillTheirCellsAndDifferInWholeStrokes) {
    // Drawn 8x16 for the score and stretched to 8x32 for the results: each digit is a full-height,
    // bold shape of light strokes, and no two digits are a texel or so apart.
    const art::Image image = builtPicture("p_pow", 0);
    const art::Rect& r = artRect("p_pow", 0, "digitsTall");
    std::vector<std::vector<bool>> strokes(r.cells);
    for (int d = 0; d < r.cells; ++d) {
        int left = r.cellWidth(), right = -1, top = r.height(), bottom = -1;
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.cellWidth(); ++x) {
                const bool lit = brightness(image.at(r.cellX(d) + x, r.y0 + y), 0) > 500;
                strokes[d].push_back(lit);
                if (lit) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
            }
        EXPECT_GE(bottom - top + 1, r.height() - 2) << "digit " << d;
        EXPECT_GE(right - left + 1, r.cellWidth() - 2) << "digit " << d;
    }
    for (int a = 0; a < r.cells; ++a)
        for (int b = a + 1; b < r.cells; ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < strokes[a].size(); ++i) differing += strokes[a][i] != strokes[b][i];
            EXPECT_GE(differing, 4) << "digits " << a << " and " << b;
        }
}

TEST(ArtLayout, PortraitCellsAreAllDifferent) {
    for (int sheet = 0; sheet < 2; ++sheet) {
        const art::Image image = builtPicture("fontwind", sheet);
        for (int a = 0; a < 16; ++a)
            for (int b = a + 1; b < 16; ++b) {
                int differing = 0;
                for (int y = 0; y < 128; ++y)
                    for (int x = 0; x < 128; ++x)
                        differing += channelDistance(image.at((a % 4) * 128 + x, (a / 4) * 128 + y),
                                                     image.at((b % 4) * 128 + x, (b / 4) * 128 + y)) > 24;
                EXPECT_GT(differing, 128 * 128 / 200) << "sheet " << sheet << " cells " << a << " and " << b;
            }
    }
}

TEST(ArtLayout, SideStripsContinueTheirMainPictures) {
    struct Case {
        const char* archive;
        int mainEntry, stripEntry, stripColumn;
    };
    std::vector<Case> cases = {{"p_b1", 1, 0, 0}, {"p_b2", 1, 0, 1}};
    for (int k = 0; k < 8; ++k) cases.push_back({"evcg", 2 + k, k / 4, k % 4});
    for (const Case& c : cases) {
        const art::Image main = builtPicture(c.archive, c.mainEntry);
        const art::Image strip = builtPicture(c.archive, c.stripEntry);
        // Join the main part's last column to the strip's first in one 2-column picture and compare the
        // step across the join with the steps inside the strip.
        double join = 0, inside = 0;
        for (int y = 0; y < 480; ++y) {
            join += channelDistance(main.at(511, y), strip.at(c.stripColumn * 128, y));
            inside += channelDistance(strip.at(c.stripColumn * 128, y), strip.at(c.stripColumn * 128 + 1, y));
        }
        EXPECT_LE(join / 480, inside / 480 * 3 + 6) << c.archive << " entry " << c.mainEntry;
    }
    EXPECT_EQ(builtPicture("p_b1", 0).pixels, builtPicture("p_b2", 0).pixels);
}

TEST(ArtLayout, ConversationWindowsStayDarkEnoughForWhiteText) {
    for (int side = 0; side < 2; ++side) {
        const art::Image image = builtPicture("front", side);
        double total = 0;
        for (int y = 32; y < 146; ++y)
            for (int x = 32; x < 470; ++x) total += brightness(image.at(x, y), 2);
        EXPECT_LT(total / (114 * 438), 3 * 110.0) << side;
    }
}

}  // namespace

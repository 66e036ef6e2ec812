// The drawing helpers keep inside the boxes they are given: a caption or glow that spills over its
// cell would bleed into the neighbouring rectangle of the sheet.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <set>

#include "Catalog.h"
#include "Image.h"
#include "Paint.h"

namespace {

struct Box {
    int x0, y0, x1, y1;
};

// Paints on a transparent 256x128 surface and returns the bounding box of every covered texel.
template <typename Paint>
Box paintedBounds(Paint paint) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 128);
    cairo_t* cr = cairo_create(surface);
    paint(cr);
    cairo_destroy(cr);
    const art::Image image = art::imageFromSurface(surface);
    cairo_surface_destroy(surface);
    Box box{256, 128, -1, -1};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) >> 24) {
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
            }
    return box;
}

TEST(ArtPaint, CaptionsShrinkToStayInsideTheirBox) {
    struct Case {
        const char* text;
        double x, y, w, h, size;
    };
    const Case cases[] = {
        {"ゲームスタート", 10, 10, 128, 42, 22},   {"ストーリーモード", 10, 10, 64, 20, 40},
        {"終了", 40, 30, 128, 42, 80},             {"ギャラリーに追加！", 0, 0, 256, 32, 22},
        {"Ａ満タン", 100, 60, 64, 32, 15},          {"8", 5, 5, 8, 16, 30},
    };
    for (const Case& c : cases) {
        const Box box = paintedBounds([&](cairo_t* cr) {
            art::caption(cr, c.text, c.x, c.y, c.w, c.h, art::palette::kPaper, art::palette::kInk, c.size);
        });
        EXPECT_GE(box.x0, static_cast<int>(c.x)) << c.text;
        EXPECT_GE(box.y0, static_cast<int>(c.y)) << c.text;
        EXPECT_LE(box.x1, static_cast<int>(c.x + c.w)) << c.text;
        EXPECT_LE(box.y1, static_cast<int>(c.y + c.h)) << c.text;
        // Shrinking to fit must not shrink to nothing.
        EXPECT_GT(box.x1 - box.x0, c.w / 4) << c.text;
    }
}

TEST(ArtPaint, GlyphRowsKeepEveryGlyphInItsOwnFrame) {
    const art::Rect strip{"digits", "digits", 16, 8, 176, 24, 10, art::RectUse::Normal};
    static constexpr const char* kDigits[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int d = 0; d < 10; ++d) {
        const Box box = paintedBounds([&](cairo_t* cr) {
            const char* only[10] = {" ", " ", " ", " ", " ", " ", " ", " ", " ", " "};
            only[d] = kDigits[d];
            art::glyphRow(cr, strip, only, art::palette::kPaper, art::palette::kInk, 40);
        });
        EXPECT_GE(box.x0, strip.cellX(d)) << d;
        EXPECT_LE(box.x1, strip.cellX(d) + strip.cellWidth()) << d;
        EXPECT_GE(box.y0, strip.y0) << d;
        EXPECT_LE(box.y1, strip.y1) << d;
    }
}

TEST(ArtPaint, GlowsEndAtTheirRadius) {
    const Box box = paintedBounds([](cairo_t* cr) { art::glow(cr, 100, 60, 20, art::palette::kAmber, 1.0); });
    EXPECT_GE(box.x0, 80);
    EXPECT_LE(box.x1, 120);
    EXPECT_GE(box.y0, 40);
    EXPECT_LE(box.y1, 80);
    const Box none = paintedBounds([](cairo_t* cr) { art::glow(cr, 100, 60, 0, art::palette::kAmber, 1.0); });
    EXPECT_EQ(none.x1, -1);
}

TEST(ArtPaint, SeededNoiseRepeatsAndStaysInRange) {
    art::Rng a(42), b(42), c(43);
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t va = a.next();
        EXPECT_EQ(va, b.next());
        seen.insert(va);
        const double r = c.range(-3, 5);
        EXPECT_GE(r, -3);
        EXPECT_LT(r, 5);
    }
    EXPECT_EQ(seen.size(), 1000u);
    art::Rng zero(0);  // a zero seed would stick at zero forever
    EXPECT_NE(zero.next(), 0u);
}

}  // namespace

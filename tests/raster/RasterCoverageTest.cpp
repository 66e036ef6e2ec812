// Which pixels a quad covers: pixel centres at integer coordinates, the
// top-left fill rule, and shared edges drawn exactly once.
#include <gtest/gtest.h>

#include <cmath>

#include "RasterTestUtil.h"

using namespace platform;
using namespace platform::raster;
using rastertest::Canvas;

namespace {

// Untextured, adding 1 to every channel per draw: a pixel's value counts how
// many times it was drawn.
RasterState countingState() {
    RasterState s;
    s.blend = true;
    s.srcFactor = Factor::One;
    s.destFactor = Factor::One;
    s.color = Source::Diffuse;
    s.alpha = Source::Diffuse;
    return s;
}
constexpr uint32_t kOne = 0xFF010101u;

int drawCount(const Canvas& c, int x, int y) { return int(c.at(x, y) & 0xFF); }

}  // namespace

TEST(RasterCoverage, AxisAlignedQuadsCoverThePixelsWhoseCentresTheyContain) {
    struct Case {
        float x0, y0, x1, y1;
        int px0, py0, px1, py1;  // covered pixels [px0, px1) x [py0, py1)
    } cases[] = {
        {-0.5f, -0.5f, 3.5f, 2.5f, 0, 0, 4, 3},  // half-pixel corners: exactly its pixels
        {0, 0, 2, 2, 0, 0, 2, 2},                // centres on the left and top edges are in
        {0.25f, 0.25f, 2.25f, 2.25f, 1, 1, 3, 3},
        {1, 1, 1.9f, 1.9f, 1, 1, 2, 2},
        {1.1f, 1.1f, 1.9f, 1.9f, 0, 0, 0, 0},    // contains no centre
        {3, 2, 3, 6, 0, 0, 0, 0},                // no width
        {-10, -10, 2, 1, 0, 0, 2, 1},            // clipped by the target
    };
    for (const Case& c : cases) {
        for (bool flip : {false, true}) {  // either winding
            Canvas canvas(8, 8, 0xFF000000u);
            Vertex q[4];
            rastertest::rectQuad(q, c.x0, c.y0, c.x1, c.y1, kOne);
            if (flip) std::swap(q[1], q[3]);
            drawQuad(canvas.target(), nullptr, countingState(), q);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    bool inside = x >= c.px0 && x < c.px1 && y >= c.py0 && y < c.py1;
                    EXPECT_EQ(drawCount(canvas, x, y), inside ? 1 : 0)
                        << "quad " << c.x0 << "," << c.y0 << "-" << c.x1 << "," << c.y1 << " pixel "
                        << x << "," << y << (flip ? " flipped" : "");
                }
            }
        }
    }
}

TEST(RasterCoverage, AdjacentRotatedQuadsLeaveNoGapsAndNoDoubleBlends) {
    // A jittered grid of quads sharing their corners tiles the canvas: every
    // pixel is drawn exactly once, diagonals included.
    constexpr int kCells = 6, kSize = 12;
    float gx[kCells + 1][kCells + 1], gy[kCells + 1][kCells + 1];
    for (int j = 0; j <= kCells; ++j) {
        for (int i = 0; i <= kCells; ++i) {
            bool border = i == 0 || j == 0 || i == kCells || j == kCells;
            float jx = border ? 0 : std::sin(float(i * 7 + j * 3)) * 3.3f;
            float jy = border ? 0 : std::cos(float(i * 5 + j * 11)) * 3.3f;
            gx[j][i] = -0.5f + float(i * kSize) + (i == 0 || i == kCells ? 0 : jx);
            gy[j][i] = -0.5f + float(j * kSize) + (j == 0 || j == kCells ? 0 : jy);
        }
    }
    Canvas canvas(kCells * kSize, kCells * kSize, 0xFF000000u);
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            Vertex q[4] = {{gx[j][i], gy[j][i], 0, 1, kOne, 0, 0},
                           {gx[j][i + 1], gy[j][i + 1], 0, 1, kOne, 0, 0},
                           {gx[j + 1][i + 1], gy[j + 1][i + 1], 0, 1, kOne, 0, 0},
                           {gx[j + 1][i], gy[j + 1][i], 0, 1, kOne, 0, 0}};
            drawQuad(canvas.target(), nullptr, countingState(), q);
        }
    }
    int wrong = 0;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) wrong += drawCount(canvas, x, y) != 1;
    }
    EXPECT_EQ(wrong, 0);
}

TEST(RasterCoverage, TheTwoTrianglesOfARotatedQuadShareTheirDiagonal) {
    // Diamonds whose diagonal runs through pixel centres, at several angles.
    for (int angle = 0; angle < 360; angle += 15) {
        Canvas canvas(40, 40, 0xFF000000u);
        Vertex q[4];
        for (int i = 0; i < 4; ++i) {
            float a = float(angle + 90 * i) * 3.14159265f / 180;
            q[i] = {20 + 14 * std::cos(a), 20 + 14 * std::sin(a), 0, 1, kOne, 0, 0};
        }
        drawQuad(canvas.target(), nullptr, countingState(), q);
        int covered = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                ASSERT_LE(drawCount(canvas, x, y), 1) << "angle " << angle;
                covered += drawCount(canvas, x, y);
            }
        }
        // The square covers about its area, 2 * 14^2 = 392 pixels, give or take its rim.
        EXPECT_NEAR(covered, 392, 40) << "angle " << angle;
    }
}

// The fast renderer must draw exactly what the per-pixel reference draws.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "RasterTestUtil.h"
#include "platform/RasterSpan.h"

using namespace platform;
using namespace platform::raster;
using rastertest::Canvas;

namespace {

struct Random {
    std::mt19937 rng;
    explicit Random(uint32_t seed) : rng(seed) {}
    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    float real(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
    bool chance(int percent) { return integer(0, 99) < percent; }
    // Positions on coarse grids hit pixel centres, edges and the diagonal often.
    float coordinate(float lo, float hi) {
        switch (integer(0, 3)) {
        case 0: return float(integer(int(lo), int(hi)));
        case 1: return float(integer(int(lo), int(hi))) + 0.5f;
        case 2: return float(integer(int(lo) * 4, int(hi) * 4)) / 4.0f;
        default: return real(lo, hi);
        }
    }
    uint32_t color() {
        static const uint32_t kTypical[] = {0xFFFFFFFFu, 0x80FFFFFFu, 0x00FFFFFFu, 0xFF000000u,
                                            0xFFFF0000u, 0x40FF8000u};
        if (chance(50)) return kTypical[integer(0, 5)];
        return uint32_t(rng());
    }
};

std::unique_ptr<Texture> randomTexture(Random& r) {
    static const int kSizes[] = {1, 2, 3, 16, 32, 37, 64, 128};
    int w = kSizes[r.integer(0, 7)], h = kSizes[r.integer(0, 7)];
    auto t = std::make_unique<Texture>(w, h, r.chance(15));
    for (int i = 0; i < w * h; ++i) {
        uint32_t c = uint32_t(r.rng());
        int kind = r.integer(0, 3);  // opaque, keyed out, arbitrary alpha
        if (kind == 0 || kind == 1) c |= 0xFF000000u;
        if (kind == 2) c = 0;
        t->pixels()[i] = c;
    }
    return t;
}

RasterState randomState(Random& r) {
    RasterState s;
    s.blend = r.chance(85);
    s.srcFactor = Factor(r.integer(0, kFactorCount - 1));
    s.destFactor = Factor(r.integer(0, kFactorCount - 1));
    if (r.chance(50)) {  // the game's own blends most of the time
        static const Factor kPairs[][2] = {{Factor::SrcAlpha, Factor::InvSrcAlpha},
                                           {Factor::One, Factor::One},
                                           {Factor::SrcAlpha, Factor::One}};
        int p = r.integer(0, 2);
        s.srcFactor = kPairs[p][0];
        s.destFactor = kPairs[p][1];
    }
    s.color = r.chance(60) ? Source::Modulate : Source(r.integer(0, 4));
    s.alpha = r.chance(60) ? Source::Modulate : Source(r.integer(0, 4));
    s.wrapU = r.chance(50);
    s.wrapV = r.chance(50);
    s.magLinear = r.chance(50);
    s.minLinear = r.chance(50);
    return s;
}

void randomQuad(Random& r, Vertex q[4], int width, int height, const Texture* texture) {
    float u0 = r.chance(60) ? 0.0f : r.real(-2, 2), v0 = r.chance(60) ? 0.0f : r.real(-2, 2);
    float du = r.chance(60) ? 1.0f : r.real(-3, 3), dv = r.chance(60) ? 1.0f : r.real(-3, 3);
    uint32_t color = r.color();
    bool gouraud = r.chance(20);
    float w = r.chance(50) ? float(r.integer(1, 64)) : r.real(0, 200);
    float h = r.chance(50) ? float(r.integer(1, 64)) : r.real(0, 200);
    if (texture && r.chance(35)) {  // one texel per pixel, the sprites' usual mapping
        w = float(texture->width()) * du;
        h = float(texture->height()) * dv;
    }
    float x = r.coordinate(-40, float(width) + 10), y = r.coordinate(-40, float(height) + 10);
    int shape = r.integer(0, 9);
    if (shape <= 4) {  // axis-aligned, the most common quad
        rastertest::rectQuad(q, x, y, x + w, y + h, color, u0, v0, u0 + du, v0 + dv);
    } else if (shape <= 7) {  // rotated about its centre
        float angle = float(r.integer(0, 359)) * 0.017444f;
        float cx = x + w / 2, cy = y + h / 2;
        static const int kOffsets[] = {225, 315, 45, 135};
        for (int i = 0; i < 4; ++i) {
            float a = angle + float(kOffsets[i]) * 0.017444f;
            q[i].x = cx + w * 0.7f * std::cos(a);
            q[i].y = cy + h * 0.7f * std::sin(a);
        }
        float us[] = {u0, u0 + du, u0 + du, u0}, vs[] = {v0, v0, v0 + dv, v0 + dv};
        for (int i = 0; i < 4; ++i) q[i] = {q[i].x, q[i].y, 0, 1, color, us[i], vs[i]};
    } else {  // four arbitrary corners: concave, crossed and degenerate quads too
        for (int i = 0; i < 4; ++i) {
            q[i] = {r.coordinate(-20, float(width) + 20), r.coordinate(-20, float(height) + 20), 0, 1,
                    color, r.real(-1, 2), r.real(-1, 2)};
        }
    }
    if (gouraud) {
        for (int i = 0; i < 4; ++i) q[i].diffuse = r.color();
    }
    if (r.chance(20)) std::swap(q[1], q[3]);  // the other winding
}

}  // namespace

// Draws random quads with both renderers and stops at the first differing pixel.
static void drawRandomQuadsBothWays(uint32_t seed) {
    Random r(seed);
    for (int round = 0; round < 3000; ++round) {
        int width = r.chance(50) ? 96 : 61, height = r.chance(50) ? 72 : 45;
        Canvas fast(width, height), reference(width, height);
        for (size_t i = 0; i < fast.pixels.size(); ++i) {
            fast.pixels[i] = reference.pixels[i] = uint32_t(r.rng()) | 0xFF000000u;
        }
        auto texture = r.chance(90) ? randomTexture(r) : nullptr;
        RasterState state = randomState(r);
        Vertex quad[4];
        randomQuad(r, quad, width, height, texture.get());
        drawQuad(fast.target(), texture.get(), state, quad);
        drawQuadReference(reference.target(), texture.get(), state, quad);
        for (int i = 0; i < width * height; ++i) {
            if (fast.pixels[i] != reference.pixels[i]) {
                ADD_FAILURE() << "round " << round << " pixel (" << i % width << ", " << i / width
                              << "): fast " << std::hex << fast.pixels[i] << " reference "
                              << reference.pixels[i];
                return;
            }
        }
    }
}

namespace {
// Restores the processor's own choice of vector width when a test ends.
struct VectorWidth {
    explicit VectorWidth(bool wide) { setWideVectors(wide); }
    ~VectorWidth() { setWideVectors(true); }
};
}  // namespace

TEST(RasterMatch, FastPathsDrawTheReferencePixelsOnRandomQuads) {
    VectorWidth narrow(false);
    drawRandomQuadsBothWays(12345);
}

TEST(RasterMatch, WideKernelsDrawTheReferencePixelsOnRandomQuads) {
    if (!wideVectorsAvailable()) GTEST_SKIP() << "no 256-bit vectors on this processor";
    VectorWidth wide(true);
    drawRandomQuadsBothWays(54321);
}

TEST(RasterMatch, BadCoordinatesDrawNothingOrStayInside) {
    const float kNan = std::nanf("");
    const float kInf = INFINITY;
    const Vertex kCases[][4] = {
        {{kNan, 0, 0, 1, ~0u, 0, 0}, {10, 0, 0, 1, ~0u, 1, 0}, {10, 10, 0, 1, ~0u, 1, 1}, {0, 10, 0, 1, ~0u, 0, 1}},
        {{-kInf, -kInf, 0, 1, ~0u, 0, 0}, {kInf, -kInf, 0, 1, ~0u, 1, 0}, {kInf, kInf, 0, 1, ~0u, 1, 1}, {-kInf, kInf, 0, 1, ~0u, 0, 1}},
        {{0, 0, 0, 1, ~0u, kNan, kInf}, {10, 0, 0, 1, ~0u, kInf, 0}, {10, 10, 0, 1, ~0u, 1e30f, 1}, {0, 10, 0, 1, ~0u, -1e30f, 1}},
        {{-1e9f, 3, 0, 1, ~0u, 0, 0}, {1e9f, 3, 0, 1, ~0u, 1e9f, 0}, {1e9f, 5, 0, 1, ~0u, 1, 1e9f}, {-1e9f, 5, 0, 1, ~0u, 0, 1}},
    };
    auto texture = rastertest::makeTexture(3, 3, std::vector<uint32_t>(9, 0xFF336699u));
    for (const auto& quad : kCases) {
        for (bool linear : {false, true}) {
            RasterState state = rastertest::spriteState();
            state.magLinear = state.minLinear = linear;
            state.wrapU = state.wrapV = linear;
            Canvas fast(32, 16), reference(32, 16);
            drawQuad(fast.target(), texture.get(), state, quad);
            drawQuadReference(reference.target(), texture.get(), state, quad);
            EXPECT_EQ(fast.pixels, reference.pixels);
        }
    }
}

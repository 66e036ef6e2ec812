// What a covered pixel becomes: texel mapping, filtering, addressing, texture
// stage 0 and blending, driven through the device's own states.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "RasterTestUtil.h"

using namespace platform;
using rastertest::makeTexture;
using rastertest::rectQuad;

namespace {

// The states every scene frame sets before its first sprite.
void sceneStates(Device& d) {
    d.setTextureStageState(D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    d.setTextureStageState(D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d.setTextureStageState(D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    d.setRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d.setRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d.setRenderState(D3DRS_ALPHABLENDENABLE, 1);
}

uint32_t pixel(const Device& d, int x, int y) { return d.backBuffer()[y * kBackBufferWidth + x]; }

}  // namespace

TEST(RasterShading, AFullScreenQuadMapsTexelForTexelWithEitherFilter) {
    std::mt19937 rng(7);
    std::vector<uint32_t> texels(640 * 480);
    for (uint32_t& t : texels) t = uint32_t(rng()) | 0xFF000000u;
    auto texture = makeTexture(640, 480, texels);
    for (uint32_t filter : {D3DTEXF_POINT, D3DTEXF_LINEAR}) {
        Device d;
        d.setTextureStageState(D3DTSS_MAGFILTER, filter);
        d.setTextureStageState(D3DTSS_MINFILTER, filter);
        d.setTexture(texture.get());
        Vertex q[4];
        rectQuad(q, -0.5f, -0.5f, 639.5f, 479.5f);
        d.drawQuad(q);
        EXPECT_EQ(0, std::memcmp(d.backBuffer(), texels.data(), texels.size() * 4)) << filter;
    }
}

TEST(RasterShading, FilteringAndAddressingOfAMagnifiedRow) {
    // A two-texel row, black then white, stretched over four pixels. Pixel
    // centres sample at texel coordinates 0.25, 0.75, 1.25 and 1.75.
    auto texture = makeTexture(2, 1, {0xFF000000u, 0xFFFFFFFFu});
    struct Case {
        uint32_t filter, address;
        int expected[4];  // blue channel of pixels 0..3
    } cases[] = {
        {D3DTEXF_POINT, D3DTADDRESS_CLAMP, {0, 0, 255, 255}},
        {D3DTEXF_LINEAR, D3DTADDRESS_CLAMP, {0, 64, 191, 255}},
        {D3DTEXF_LINEAR, D3DTADDRESS_WRAP, {64, 64, 191, 191}},  // blends across the seam
    };
    for (const Case& c : cases) {
        Device d;
        d.setTextureStageState(D3DTSS_MAGFILTER, c.filter);
        d.setTextureStageState(D3DTSS_ADDRESSU, c.address);
        d.setTextureStageState(D3DTSS_ADDRESSV, c.address);
        d.setTexture(texture.get());
        Vertex q[4];
        rectQuad(q, -0.5f, -0.5f, 3.5f, 0.5f);
        d.drawQuad(q);
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(int(pixel(d, x, 0) & 0xFF), c.expected[x]) << "filter " << c.filter
                                                                 << " address " << c.address << " x " << x;
        }
    }
}

TEST(RasterShading, ClampRepeatsTheEdgeTexelWhereWrapRepeatsTheTexture) {
    auto texture = makeTexture(2, 1, {0xFFFF0000u, 0xFF0000FFu});
    const uint32_t R = 0xFFFF0000u, B = 0xFF0000FFu;
    struct Case {
        uint32_t address;
        uint32_t expected[8];
    } cases[] = {
        {D3DTADDRESS_WRAP, {R, B, R, B, R, B, R, B}},
        {D3DTADDRESS_CLAMP, {R, R, R, B, B, B, B, B}},
    };
    for (const Case& c : cases) {
        Device d;
        d.setTextureStageState(D3DTSS_ADDRESSU, c.address);
        d.setTexture(texture.get());
        Vertex q[4];
        rectQuad(q, -0.5f, -0.5f, 7.5f, 0.5f, 0xFFFFFFFFu, -1, 0, 3, 1);
        d.drawQuad(q);
        for (int x = 0; x < 8; ++x) EXPECT_EQ(pixel(d, x, 0), c.expected[x]) << c.address << " x " << x;
    }
}

TEST(RasterShading, BlendFactorsOverAGreyTarget) {
    struct Case {
        bool enable;
        uint32_t src, dest, color, expected;
    } cases[] = {
        {true, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x80FF0000u, 0xFFA02020u},  // normal
        {true, D3DBLEND_ONE, D3DBLEND_ONE, 0xFFC08000u, 0xFFFFC040u},               // additive, saturated
        {true, D3DBLEND_SRCALPHA, D3DBLEND_ONE, 0x80FF0000u, 0xFFC04040u},
        {true, D3DBLEND_SRCCOLOR, D3DBLEND_INVSRCCOLOR, 0xFF808080u, 0xFF606060u},
        {true, D3DBLEND_ZERO, D3DBLEND_ONE, 0xFFFFFFFFu, 0xFF404040u},
        {true, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x00FFFFFFu, 0xFF404040u},  // faded out
        {false, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x80FF0000u, 0xFFFF0000u}, // blending off
    };
    for (const Case& c : cases) {
        Device d;
        sceneStates(d);
        d.clear(D3DCLEAR_TARGET, 0xFF404040u, 1.0f);
        d.setRenderState(D3DRS_ALPHABLENDENABLE, c.enable);
        d.setRenderState(D3DRS_SRCBLEND, c.src);
        d.setRenderState(D3DRS_DESTBLEND, c.dest);
        Vertex q[4];
        rectQuad(q, 0, 0, 4, 4, c.color);  // no texture: the texture reads as white
        d.drawQuad(q);
        EXPECT_EQ(pixel(d, 1, 1), c.expected) << std::hex << c.src << "/" << c.dest << " " << c.color;
        EXPECT_EQ(pixel(d, 5, 5), 0xFF404040u);
    }
}

TEST(RasterShading, TextureStageOperations) {
    // Texel 0xC06040 with alpha 0x80, diffuse grey 0x808080 with alpha 0x40.
    // Blending SRCALPHA / ZERO over black shows colour scaled by alpha.
    auto texture = makeTexture(1, 1, {0x80C06040u});
    struct Case {
        uint32_t colorOp, colorArg1, colorArg2, alphaOp, expected;
    } cases[] = {
        {D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG2, 0xFF180C08u},
        {D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_MODULATE, 0xFF180C08u},
        {D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, 0xFF603020u},
        {D3DTOP_SELECTARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG2, 0xFF301810u},
        {D3DTOP_SELECTARG2, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, 0xFF404040u},
        {D3DTOP_SELECTARG1, D3DTA_DIFFUSE, D3DTA_TEXTURE, D3DTOP_SELECTARG1, 0xFF404040u},
        {D3DTOP_DISABLE, D3DTA_TEXTURE, D3DTA_DIFFUSE, D3DTOP_SELECTARG1, 0xFF202020u},  // diffuse only
    };
    for (const Case& c : cases) {
        Device d;
        d.setRenderState(D3DRS_ALPHABLENDENABLE, 1);
        d.setRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        d.setRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
        d.setTextureStageState(D3DTSS_COLOROP, c.colorOp);
        d.setTextureStageState(D3DTSS_COLORARG1, c.colorArg1);
        d.setTextureStageState(D3DTSS_COLORARG2, c.colorArg2);
        d.setTextureStageState(D3DTSS_ALPHAOP, c.alphaOp);
        d.setTextureStageState(D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
        d.setTextureStageState(D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
        d.setTexture(texture.get());
        Vertex q[4];
        rectQuad(q, 0, 0, 2, 2, 0x40808080u);
        d.drawQuad(q);
        EXPECT_EQ(pixel(d, 0, 0), c.expected) << "colour op " << c.colorOp << " alpha op " << c.alphaOp;
    }
}

TEST(RasterShading, VertexColourAndAlphaModulateTheSprite) {
    auto texture = makeTexture(1, 1, {0xFFFFFFFFu});
    struct Case {
        uint32_t diffuse, expected;
    } cases[] = {
        {0xFFFFFFFFu, 0xFFFFFFFFu},  // faded at 255: the plain sprite
        {0x80FFFFFFu, 0xFF808080u},
        {0x00FFFFFFu, 0xFF000000u},  // faded at 0: nothing visible
        {0xFF8040FFu, 0xFF8040FFu},  // tinted
    };
    for (const Case& c : cases) {
        Device d;
        sceneStates(d);
        d.setTexture(texture.get());
        Vertex q[4];
        rectQuad(q, 0, 0, 3, 3, c.diffuse);
        d.drawQuad(q);
        EXPECT_EQ(pixel(d, 1, 1), c.expected) << std::hex << c.diffuse;
    }
}

TEST(RasterShading, VertexColoursAreInterpolatedAcrossTheQuad) {
    Device d;
    d.setTextureStageState(D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    Vertex q[4];
    rectQuad(q, -0.5f, -0.5f, 255.5f, 1.5f, 0xFFFF0000u);
    q[1].diffuse = q[2].diffuse = 0xFF0000FFu;
    d.drawQuad(q);
    int lastRed = 256;
    for (int x = 0; x < 256; ++x) {
        int red = int(pixel(d, x, 0) >> 16 & 0xFF), blue = int(pixel(d, x, 0) & 0xFF);
        EXPECT_LE(red, lastRed);
        EXPECT_NEAR(red + blue, 255, 1) << x;
        EXPECT_EQ(pixel(d, x, 0), pixel(d, x, 1));
        lastRed = red;
    }
    EXPECT_GE(int(pixel(d, 0, 0) >> 16 & 0xFF), 254);
    EXPECT_GE(int(pixel(d, 255, 0) & 0xFF), 254);
}

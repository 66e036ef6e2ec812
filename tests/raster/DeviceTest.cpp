// The device as the game drives it: default and sticky states, scenes, render
// targets, the sprite copy and presentation.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/HeadlessBackend.h"

using namespace platform;
using rastertest::makeTexture;
using rastertest::rectQuad;

namespace {

uint32_t at(const uint32_t* pixels, int width, int x, int y) { return pixels[y * width + x]; }

}  // namespace

TEST(Device, StartsWithDirect3DDefaultStates) {
    Device d;
    EXPECT_EQ(d.renderState(D3DRS_ALPHABLENDENABLE), 0u);
    EXPECT_EQ(d.renderState(D3DRS_SRCBLEND), uint32_t(D3DBLEND_ONE));
    EXPECT_EQ(d.renderState(D3DRS_DESTBLEND), uint32_t(D3DBLEND_ZERO));
    const std::pair<TextureStageState, uint32_t> stage[] = {
        {D3DTSS_COLOROP, D3DTOP_MODULATE},   {D3DTSS_COLORARG1, D3DTA_TEXTURE},
        {D3DTSS_COLORARG2, D3DTA_CURRENT},   {D3DTSS_ALPHAOP, D3DTOP_SELECTARG1},
        {D3DTSS_ALPHAARG1, D3DTA_TEXTURE},   {D3DTSS_ALPHAARG2, D3DTA_CURRENT},
        {D3DTSS_ADDRESSU, D3DTADDRESS_WRAP}, {D3DTSS_ADDRESSV, D3DTADDRESS_WRAP},
        {D3DTSS_MAGFILTER, D3DTEXF_POINT},   {D3DTSS_MINFILTER, D3DTEXF_POINT},
        {D3DTSS_MIPFILTER, D3DTEXF_NONE},
    };
    for (auto [state, value] : stage) EXPECT_EQ(d.textureStageState(state), value) << state;
    EXPECT_EQ(d.renderTarget(), nullptr);
    EXPECT_EQ(d.texture(), nullptr);
    EXPECT_EQ(d.backBuffer()[0], 0xFF000000u);
}

TEST(Device, StatesStickAcrossDrawsClearsCopiesAndFrames) {
    HeadlessBackend backend;
    setBackend(&backend);
    Device d;
    auto texture = makeTexture(2, 2, {0xFFFFFFFFu, 0, 0, 0xFFFFFFFFu});
    d.setRenderState(D3DRS_ALPHABLENDENABLE, 1);
    d.setRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    d.setRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    d.setTextureStageState(D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
    d.setTextureStageState(D3DTSS_ADDRESSU, D3DTADDRESS_CLAMP);
    d.setTexture(texture.get());
    for (int frame = 0; frame < 2; ++frame) {
        d.clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000u, 1.0f);
        ASSERT_TRUE(d.beginScene());
        Vertex q[4];
        rectQuad(q, 0, 0, 8, 8);
        d.drawQuad(q);
        d.drawSpriteCopy(*texture, 0, 0, 2, 2, 20, 20, 0xFFFFFFFFu);
        ASSERT_TRUE(d.endScene());
        ASSERT_TRUE(d.present());
    }
    EXPECT_EQ(d.renderState(D3DRS_ALPHABLENDENABLE), 1u);
    EXPECT_EQ(d.renderState(D3DRS_SRCBLEND), uint32_t(D3DBLEND_ONE));
    EXPECT_EQ(d.renderState(D3DRS_DESTBLEND), uint32_t(D3DBLEND_ONE));
    EXPECT_EQ(d.textureStageState(D3DTSS_MAGFILTER), uint32_t(D3DTEXF_LINEAR));
    EXPECT_EQ(d.textureStageState(D3DTSS_ADDRESSU), uint32_t(D3DTADDRESS_CLAMP));
    EXPECT_EQ(d.texture(), texture.get());
    // States the device does not model are ignored, not stored out of bounds.
    d.setRenderState(RenderState(200), 7);
    d.setTextureStageState(TextureStageState(99), 7);
    EXPECT_EQ(d.renderState(RenderState(200)), 0u);
    EXPECT_EQ(d.textureStageState(TextureStageState(99)), 0u);
    setBackend(nullptr);
}

TEST(Device, ScenesPairAndPresentHandsOverTheBackBuffer) {
    HeadlessBackend backend;
    setBackend(&backend);
    Device d;
    EXPECT_FALSE(d.endScene());
    EXPECT_TRUE(d.beginScene());
    EXPECT_FALSE(d.beginScene());
    EXPECT_TRUE(d.endScene());
    d.clear(D3DCLEAR_TARGET, 0x00336699u, 1.0f);  // stored opaque: the buffer has no alpha
    d.clear(D3DCLEAR_ZBUFFER, 0xFFFFFFFFu, 1.0f); // no depth buffer: nothing happens
    EXPECT_TRUE(d.present());
    ASSERT_EQ(backend.lastFrame().size(), size_t(kBackBufferWidth * kBackBufferHeight));
    EXPECT_EQ(backend.lastFrame()[12345], 0xFF336699u);
    EXPECT_TRUE(d.reset());
    setBackend(nullptr);
}

TEST(Device, RenderTargetsReceiveDrawingAndSampleOpaque) {
    Device d;
    auto target = createRenderTargetTexture(16, 8);
    ASSERT_TRUE(target);
    EXPECT_TRUE(target->isRenderTarget());
    EXPECT_EQ(target->texel(15, 7), 0xFF000000u);
    EXPECT_EQ(createRenderTargetTexture(0, 8), nullptr);

    auto plain = makeTexture(4, 4, {});
    EXPECT_FALSE(d.setRenderTarget(plain.get()));
    EXPECT_EQ(d.renderTarget(), nullptr);

    ASSERT_TRUE(d.setRenderTarget(target.get()));
    d.clear(D3DCLEAR_TARGET, 0x00204060u, 1.0f);
    Vertex q[4];
    rectQuad(q, 0, 0, 4, 4, 0xFFFF0000u);
    d.setTextureStageState(D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    d.drawQuad(q);
    EXPECT_EQ(target->texel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(target->texel(10, 5), 0xFF204060u);
    EXPECT_EQ(d.backBuffer()[0], 0xFF000000u);  // the back buffer was not touched
    ASSERT_TRUE(d.setRenderTarget(nullptr));

    // Even a texel whose stored alpha is 0 samples as opaque.
    target->pixels()[0] = 0x00FFFFFFu;
    d.setTextureStageState(D3DTSS_COLOROP, D3DTOP_MODULATE);
    d.setTextureStageState(D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    d.setTextureStageState(D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    d.setRenderState(D3DRS_ALPHABLENDENABLE, 1);
    d.setRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d.setRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d.setTexture(target.get());
    rectQuad(q, -0.5f, -0.5f, 15.5f, 7.5f);
    d.drawQuad(q);
    EXPECT_EQ(d.backBuffer()[0], 0xFFFFFFFFu);
    EXPECT_EQ(at(d.backBuffer(), kBackBufferWidth, 2, 2), 0xFFFF0000u);
    EXPECT_EQ(at(d.backBuffer(), kBackBufferWidth, 10, 5), 0xFF204060u);
}

TEST(Device, SpriteCopyPlacesTexelsBlendedAndModulated) {
    // 4 x 2 source: opaque red, keyed out, half-transparent white, opaque blue.
    auto source = makeTexture(4, 2, {0xFFFF0000u, 0x00000000u, 0x80FFFFFFu, 0xFF0000FFu,
                                     0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u});
    struct Case {
        int left, top, right, bottom;
        float x, y;
        uint32_t color;
        int px, py;
        uint32_t expected;
    } cases[] = {
        {0, 0, 4, 2, 10, 5, 0xFFFFFFFFu, 10, 5, 0xFFFF0000u},
        {0, 0, 4, 2, 10, 5, 0xFFFFFFFFu, 11, 5, 0xFF404040u},  // keyed out: background
        {0, 0, 4, 2, 10, 5, 0xFFFFFFFFu, 12, 5, 0xFFA0A0A0u},  // half blended
        {0, 0, 4, 2, 10, 5, 0xFFFFFFFFu, 13, 6, 0xFF00FF00u},
        {0, 0, 4, 2, 10, 5, 0xFFFFFFFFu, 14, 5, 0xFF404040u},  // past the rectangle
        {3, 0, 4, 1, 0, 0, 0xFFFFFFFFu, 0, 0, 0xFF0000FFu},    // a sub-rectangle
        {3, 0, 4, 1, 0, 0, 0x80FFFFFFu, 0, 0, 0xFF2020A0u},    // modulated by the colour's alpha
        {-2, -1, 1, 1, 5, 5, 0xFFFFFFFFu, 7, 6, 0xFFFF0000u},  // clipped to the texture
        {2, 0, 1, 1, 5, 5, 0xFFFFFFFFu, 5, 5, 0xFF404040u},    // an empty rectangle draws nothing
    };
    for (const Case& c : cases) {
        Device d;
        d.clear(D3DCLEAR_TARGET, 0xFF404040u, 1.0f);
        d.drawSpriteCopy(*source, c.left, c.top, c.right, c.bottom, c.x, c.y, c.color);
        EXPECT_EQ(at(d.backBuffer(), kBackBufferWidth, c.px, c.py), c.expected)
            << "rect " << c.left << "," << c.top << "," << c.right << "," << c.bottom << " pixel "
            << c.px << "," << c.py;
        // The copy blends whatever the device states say, and leaves them alone.
        EXPECT_EQ(d.renderState(D3DRS_ALPHABLENDENABLE), 0u);
        EXPECT_EQ(d.textureStageState(D3DTSS_ADDRESSU), uint32_t(D3DTADDRESS_WRAP));
    }
}

TEST(Device, AnEmptyOrMissingTextureDrawsAsWhite) {
    Texture empty(0, 0, false);
    const Texture* cases[] = {nullptr, &empty};
    for (const Texture* texture : cases) {
        Device d;
        d.setTexture(texture);
        d.setTextureStageState(D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
        Vertex q[4];
        rectQuad(q, 0, 0, 4, 4, 0xFF8040C0u);
        d.drawQuad(q);
        EXPECT_EQ(d.backBuffer()[kBackBufferWidth + 1], 0xFF8040C0u);
    }
}

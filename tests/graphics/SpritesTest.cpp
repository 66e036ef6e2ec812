// The shared quad functions and render states on a real device: what they draw,
// what they leave set, and that an empty texture draws nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "platform/HeadlessBackend.h"

namespace {

class Sprites : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setBackend(&backend_);
        previous_ = g_device;
        g_device = &device_;
        fillTrigTables();
        texture_ = std::make_unique<platform::Texture>(2, 2, false);
        std::fill_n(texture_->pixels(), 4, 0xFFFFFFFFu);
        beginSceneFrame();
        setSpriteStates();
    }
    void TearDown() override {
        g_device = previous_;
        platform::setBackend(nullptr);
    }

    uint32_t pixel(int x, int y) const { return device_.backBuffer()[y * platform::kBackBufferWidth + x]; }
    bool allBlack() const {
        const uint32_t* p = device_.backBuffer();
        return std::all_of(p, p + platform::kBackBufferWidth * platform::kBackBufferHeight,
                           [](uint32_t c) { return (c & 0xFFFFFF) == 0; });
    }

    platform::HeadlessBackend backend_;
    platform::Device device_;
    platform::Device* previous_ = nullptr;
    std::unique_ptr<platform::Texture> texture_;
};

}  // namespace

TEST_F(Sprites, FrameStartSetsTheBaseStates) {
    EXPECT_EQ(device_.renderState(platform::D3DRS_ALPHABLENDENABLE), 1u);
    EXPECT_EQ(device_.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_SRCALPHA);
    EXPECT_EQ(device_.renderState(platform::D3DRS_DESTBLEND), platform::D3DBLEND_INVSRCALPHA);
    EXPECT_EQ(device_.textureStageState(platform::D3DTSS_ALPHAOP), platform::D3DTOP_MODULATE);
    EXPECT_EQ(device_.textureStageState(platform::D3DTSS_COLORARG2), platform::D3DTA_DIFFUSE);
    EXPECT_TRUE(allBlack());
}

TEST_F(Sprites, FadedSpritesFromInvisibleToOpaque) {
    struct Case { int alpha; uint32_t centre; } cases[] = {{0, 0xFF000000}, {255, 0xFFFFFFFF}};
    for (const Case& c : cases) {
        device_.clear(platform::D3DCLEAR_TARGET, 0xFF000000, 1);
        drawSpriteFaded(texture_.get(), 10, 10, 20, 20, 0, 1, 0, 1, c.alpha);
        EXPECT_EQ(pixel(20, 20) | 0xFF000000, c.centre) << c.alpha;
    }
    device_.clear(platform::D3DCLEAR_TARGET, 0xFF000000, 1);
    drawSprite(texture_.get(), 10, 10, 20, 20, 0, 1, 0, 1);
    EXPECT_EQ(pixel(20, 20) | 0xFF000000, 0xFFFFFFFFu);
    EXPECT_EQ(pixel(5, 5) | 0xFF000000, 0xFF000000u);
}

TEST_F(Sprites, AnEmptyTextureDrawsNothing) {
    GameObject tint(0, 0, 0, 0);
    drawSprite(nullptr, 0, 0, 640, 480, 0, 1, 0, 1);
    drawSpriteAdditive(nullptr, 0, 0, 640, 480, 0, 1, 0, 1);
    drawSpriteFaded(nullptr, 0, 0, 640, 480, 0, 1, 0, 1, 255);
    drawSpriteRotated(nullptr, 100, 100, 100, 100, 0, 1, 0, 1, 45);
    drawSpriteRotatedTinted(nullptr, 100, 100, 100, 100, 0, 1, 0, 1, -45, tint);
    bindTexture(nullptr);
    platform::Vertex q[4];
    objectQuad(q, tint, 0xFFFFFFFF, 0, 1, 0, 1);
    drawQuad(q);
    EXPECT_TRUE(allBlack());
    // The states asked for are still set, so the drawing after an empty entry is unchanged.
    EXPECT_EQ(device_.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_SRCALPHA);
}

TEST_F(Sprites, AdditiveStateStaysForTheDrawingThatFollows) {
    drawSprite(texture_.get(), 0, 0, 4, 4, 0, 1, 0, 1);
    drawSpriteAdditive(texture_.get(), 0, 0, 4, 4, 0, 1, 0, 1);
    EXPECT_EQ(device_.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_ONE);
    EXPECT_EQ(device_.renderState(platform::D3DRS_DESTBLEND), platform::D3DBLEND_ONE);
    EXPECT_EQ(device_.textureStageState(platform::D3DTSS_MAGFILTER), platform::D3DTEXF_LINEAR);
    drawSpriteRotated(texture_.get(), 0, 0, 4, 4, 0, 1, 0, 1, 0);  // sets no blend of its own
    EXPECT_EQ(device_.renderState(platform::D3DRS_SRCBLEND), platform::D3DBLEND_ONE);
}

TEST_F(Sprites, TintedRotatedSpritesTakeTheObjectColourAtFullAlpha) {
    GameObject tint(0, 0, 0, 0);
    tint.setAlpha(0);
    tint.setGreen(0);
    tint.setBlue(0);
    drawSpriteRotatedTinted(texture_.get(), 300, 200, 40, 40, 0, 1, 0, 1, 0, tint);
    EXPECT_EQ(pixel(320, 220) | 0xFF000000, 0xFFFF0000u);
}

TEST_F(Sprites, EndingTheFramePresentsIt) {
    drawSprite(texture_.get(), 0, 0, 2, 2, 0, 1, 0, 1);
    endSceneFrame();
    EXPECT_EQ(backend_.framesPresented(), 1);
}

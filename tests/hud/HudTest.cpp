// The HUD passes on a real device, with a power sheet whose every texel names
// its own position, so each screen pixel tells which picture cell it shows.
#include <gtest/gtest.h>

#include <memory>

#include "collision/Destruction.h"
#include "data/ButtonConfig.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "hud/Hud.h"
#include "objects/ObjectList.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "support/TexelSheet.h"

namespace {

struct Texel {
    int u, v;
    bool operator==(const Texel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Texel& t) { return out << "(" << t.u << ", " << t.v << ")"; }

class Hud : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend_);
        g_device = &device_;
        fillTrigTables();
        setDefaultActionButtons();
        sheet_ = texelCodedSheet(1);
        sheetSlot_ = sheet_.get();
        g_texPower = &sheetSlot_;
        g_texPowerCount = 1;
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
        g_playerObject->setHp(20000);
        g_playerObject->setMaxHp(20000);
        g_playerState = 0;
        g_gauge = 800;
        g_gaugeMax = 1000;
        for (int i = 0; i < kPhysicalButtons; ++i) {
            g_buttonHeld[i] = 0;
            g_chargeBlink[i] = 0;
            g_chargeFrames[i] = 90;
        }
        for (int i = 0; i < kGaugeCostCount; ++i)
            g_gaugeCost[i] = kDefaultGaugeCost[i];
        resetHudCounters();
        startFrame();
    }
    void TearDown() override
    {
        emptyList(&g_enemyList);
        delete g_playerObject;
        g_playerObject = nullptr;
        g_texPower = nullptr;
        g_texPowerCount = 0;
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    void startFrame()
    {
        beginSceneFrame();
        setSpriteStates();
        setPointMagFilter();
    }
    uint32_t pixel(int x, int y) const { return device_.backBuffer()[y * platform::kBackBufferWidth + x]; }
    // The sheet texel shown at a screen pixel; (-1, -1) where nothing was drawn.
    Texel texelAt(int x, int y) const
    {
        uint32_t c = pixel(x, y);
        if ((c & 0xFF) != 0x01)
            return {-1, -1};
        return {int(c >> 16 & 0xFF), int(c >> 8 & 0xFF)};
    }
    static GameObject* addEnemy(int kind, int hp, int maxHp)
    {
        GameObject* e = spawnInto(&g_enemyList, nullptr, 2, kind, 0, 0);
        e->setHp(hp);
        e->setMaxHp(maxHp);
        return e;
    }

    platform::HeadlessBackend backend_;
    platform::Device device_;
    std::unique_ptr<platform::Texture> sheet_;
    platform::Texture* sheetSlot_ = nullptr;
};

}  // namespace

TEST_F(Hud, ScoreShowsEightDigitsWithLeadingZeros)
{
    drawScore(1234);
    const int expected[8] = {0, 0, 0, 0, 1, 2, 3, 4};
    for (int i = 0; i < 8; ++i) {
        // Digit d's cell starts at texel 64 + 8d; the strip's rows are 144..159.
        EXPECT_EQ(texelAt(168 + 8 * i + 3, 7), (Texel{64 + 8 * expected[i] + 3, 151})) << i;
    }
    EXPECT_EQ(texelAt(167, 7), (Texel{-1, -1}));
    EXPECT_EQ(texelAt(232, 7), (Texel{-1, -1}));
}

TEST_F(Hud, TallNumbersStretchTheDigitStripToThirtyTwoRows)
{
    drawNumber(907, 100, 200, 3);
    EXPECT_EQ(texelAt(100 + 4, 200), (Texel{64 + 72 + 4, 144}));
    EXPECT_EQ(texelAt(108 + 4, 231), (Texel{64 + 4, 159}));
    EXPECT_EQ(texelAt(116 + 4, 216), (Texel{64 + 56 + 4, 152}));
}

TEST_F(Hud, ChargeBarsGrowWithTheHeldFramesAndHideDuringTheDoubleCharge)
{
    g_buttonHeld[0] = 20;  // shot A: bar 56 wide
    g_buttonHeld[1] = 0;   // shot B: bar 36 wide
    drawChargeGauges();
    EXPECT_EQ(texelAt(55, 450), (Texel{128 + 55, 2}));
    EXPECT_EQ(texelAt(60, 450), (Texel{60, 2}));  // the frame behind
    EXPECT_EQ(texelAt(35, 470), (Texel{128 + 35, 16 + 6}));
    EXPECT_EQ(texelAt(40, 470), (Texel{40, 22}));

    // Both full with the gauge to pay: the double charge starts and the bars give way.
    g_buttonHeld[0] = g_buttonHeld[1] = 90;
    startFrame();
    drawChargeGauges();
    EXPECT_EQ(g_playerState, 1);
    EXPECT_FLOAT_EQ(g_gauge, 400);
    EXPECT_EQ(texelAt(100, 450), (Texel{128 + 100, 64 + 2}));  // the wide label
}

TEST_F(Hud, FullButtonsWithoutFourHundredPointsShowTheNarrowLabel)
{
    g_gauge = 399;
    g_buttonHeld[0] = g_buttonHeld[1] = 90;
    drawChargeGauges();
    EXPECT_EQ(g_playerState, 0);
    EXPECT_FLOAT_EQ(g_gauge, 399);
    EXPECT_EQ(texelAt(10, 450), (Texel{10, 32 + 2}));  // A full: the upper label row
    EXPECT_EQ(texelAt(100, 450), (Texel{128 + 100, 2}));  // past the label, the A bar

    // Only B full: the lower row; a highlighted blink phase wins over both.
    g_buttonHeld[0] = 10;
    startFrame();
    drawChargeGauges();
    EXPECT_EQ(texelAt(10, 450), (Texel{10, 64 + 2}));
    g_chargeBlink[1] = 4;
    startFrame();
    drawChargeGauges();
    EXPECT_EQ(texelAt(10, 450), (Texel{10, 96 + 2}));
}

TEST_F(Hud, LifeBarsEmptyFromOppositeEnds)
{
    g_playerObject->setHp(5000);  // a quarter left: the lost part starts at 64
    addEnemy(3, 10, 10);          // not a boss
    addEnemy(9, 300, 400);
    addEnemy(7, 1, 400);  // a later boss is not the one shown
    drawStatusBars();
    EXPECT_EQ(texelAt(32 + 31, 4), (Texel{31, 128 + 4}));
    EXPECT_EQ(texelAt(32 + 34, 4), (Texel{3, 136 + 4}));  // the lost part's own picture
    EXPECT_EQ(texelAt(159, 4), (Texel{127, 136 + 4}));
    // The boss has three quarters left: the first 74 pixels are lost.
    EXPECT_EQ(texelAt(344 + 72, 4), (Texel{int((72 + 0.5f) * 128 / 74), 136 + 4}));
    EXPECT_EQ(texelAt(344 + 76, 4), (Texel{int((76 + 0.5f) * 128 / 296), 128 + 4}));

    emptyList(&g_enemyList);
    startFrame();
    drawStatusBars();
    EXPECT_EQ(texelAt(400, 4), (Texel{-1, -1}));
}

TEST_F(Hud, GaugeRefillsOnePointEveryThirdFrameUpToItsMaximum)
{
    g_gauge = 998;
    int reachedFull = -1;
    for (int frame = 1; frame <= 12; ++frame) {
        drawStatusBars();
        EXPECT_LE(g_gauge, g_gaugeMax);
        if (reachedFull < 0 && g_gauge == g_gaugeMax)
            reachedFull = frame;
    }
    EXPECT_EQ(reachedFull, 6);

    g_gauge = 999.5f;  // a fraction over is clamped back
    resetHudCounters();
    for (int frame = 0; frame < 3; ++frame)
        drawStatusBars();
    EXPECT_FLOAT_EQ(g_gauge, 1000);
}

TEST_F(Hud, FullGaugeBlinksEverySevenFramesButNotAtSeventyPercent)
{
    // The fill's row: 144 in phase 0, 148 in phase 1 (height 4 texels).
    auto fillRow = [&] {
        startFrame();
        drawStatusBars();
        return texelAt(40, 13).v;
    };
    g_gaugeMax = 1000;
    g_gauge = 700;
    for (int frame = 0; frame < 10; ++frame) {
        g_gauge = 700;
        EXPECT_EQ(fillRow(), 144 + 1) << frame;
    }
    int previous = -1, runs = 0, run = 0;
    for (int frame = 0; frame < 21; ++frame) {
        g_gauge = 1000;
        int row = fillRow();
        if (row != previous && previous >= 0) {
            EXPECT_EQ(run, 7);
            ++runs;
            run = 0;
        }
        previous = row;
        ++run;
    }
    EXPECT_EQ(runs, 2);
}

TEST_F(Hud, StageResultsShowTheBonusArithmetic)
{
    g_itemsCollected = 37;
    g_playerObject->setHp(10000);
    g_bankedScore = 123456;
    drawStageResults();
    // Items 0037 at (288, 160); times 100 makes 003700 at (480, 160).
    EXPECT_EQ(texelAt(288 + 16 + 4, 170), (Texel{64 + 24 + 4, 149}));
    EXPECT_EQ(texelAt(480 + 16 + 4, 170), (Texel{64 + 24 + 4, 149}));
    // Fifty percent life, times 200 makes 010000.
    EXPECT_EQ(texelAt(288 + 8 + 4, 266), (Texel{64 + 40 + 4, 149}));
    EXPECT_EQ(texelAt(480 + 8 + 4, 266), (Texel{64 + 8 + 4, 149}));
    // Banked score 00123456 on the third row.
    EXPECT_EQ(texelAt(288 + 16 + 4, 362), (Texel{64 + 8 + 4, 149}));
    // The header spans the whole sheet width, 512 wide from x 64.
    EXPECT_EQ(texelAt(64 + 256, 64), (Texel{128, 224}));
}

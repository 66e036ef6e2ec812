// The map's scroll, its tile window and the tiles that hurt the craft.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/PlayFlags.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "support/HeadlessFixture.h"

namespace {

class ScrollTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        g_device = &device;
        std::memset(mapTiles, 0, sizeof mapTiles);
        scrollTileX = scrollTileY = scrollPixelX = scrollPixelY = 0;
        segmentIndex = segmentFrame = speedAccumulator = 0;
        g_worldFrozen = g_stageClearing = g_gameOver = false;
    }
    void TearDown() override
    {
        g_device = nullptr;
        HeadlessTest::TearDown();
    }
    void segments(std::initializer_list<ScrollSegment> list)
    {
        scrollSegmentCount = 0;
        for (const ScrollSegment& s : list)
            scrollSegments[scrollSegmentCount++] = s;
    }
    platform::Device device;
};

TEST_F(ScrollTest, Speed300MovesOnePixelEveryFourthFrame)
{
    segments({{4, 1000, 1, 0, 300}});
    const int expected[] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3};
    for (int frame = 0; frame < 12; ++frame) {
        advanceScroll();
        EXPECT_EQ(scrollPixelX, expected[frame]) << "frame " << frame;
    }
}

TEST_F(ScrollTest, FastSpeedsMoveWholePixelsEveryFrame)
{
    const int cases[][2] = {{1000, 1}, {1500, 1}, {2000, 2}, {2999, 2}};
    for (const auto& c : cases) {
        scrollPixelX = 0;
        speedAccumulator = 0;
        segmentIndex = segmentFrame = 0;
        segments({{4, 100, 1, 0, c[0]}});
        advanceScroll();
        advanceScroll();
        EXPECT_EQ(scrollPixelX, 2 * c[1]) << "speed " << c[0];
    }
}

TEST_F(ScrollTest, APixelPastTheTileEdgeStepsTheTile)
{
    segments({{4, 100, 1, 0, 1000}, });
    scrollPixelX = 31;
    advanceScroll();
    EXPECT_EQ(scrollTileX, 1);
    EXPECT_EQ(scrollPixelX, 0);

    segments({{3, 100, -1, 0, 2000}});
    segmentIndex = 0;
    scrollPixelX = -30;
    advanceScroll();
    EXPECT_EQ(scrollTileX, 0);
    EXPECT_EQ(scrollPixelX, 0) << "the pixels past the edge are dropped";
}

TEST_F(ScrollTest, ASegmentLastsItsFramesPlusOne)
{
    segments({{4, 3, 1, 0, 1000}, {1, 5, 0, 1, 1000}, {8, 0, 9999, 9999, 0}});
    for (int frame = 0; frame < 4; ++frame)
        advanceScroll();
    EXPECT_EQ(segmentIndex, 1);
    EXPECT_EQ(scrollPixelX, 4);
    for (int frame = 0; frame < 20; ++frame)
        advanceScroll();
    EXPECT_EQ(segmentIndex, 2);
    EXPECT_EQ(scrollPixelY, 6);
    EXPECT_EQ(scrollPixelX, 4) << "the end record stops the scroll";
}

TEST_F(ScrollTest, AnEndRecordFirstNeverScrollsAndAFrozenWorldStandsStill)
{
    segments({{8, 0, 9999, 9999, 0}});
    for (int frame = 0; frame < 5; ++frame)
        advanceScroll();
    EXPECT_EQ(scrollPixelX, 0);
    EXPECT_EQ(segmentIndex, 0);

    segments({{4, 10, 1, 0, 1000}});
    g_worldFrozen = true;
    advanceScroll();
    EXPECT_EQ(scrollPixelX, 0);
    EXPECT_EQ(segmentFrame, 0);
}

TEST_F(ScrollTest, RunningOffTheSegmentTableStops)
{
    segments({{4, 0 + 1, 1, 0, 1000}});  // no end record
    for (int frame = 0; frame < 10; ++frame)
        advanceScroll();
    EXPECT_EQ(segmentIndex, 1);
    EXPECT_EQ(scrollPixelX, 2);
}

TEST_F(ScrollTest, LookupsTruncateTowardZeroAndReadEmptyOffTheGrid)
{
    mapTiles[0][0] = 3;
    mapTiles[1][0] = 4;
    EXPECT_EQ(mapTileAt(-10, 0), mapTileAt(10, 0));
    EXPECT_EQ(mapTileAt(-31, 5), 3);
    EXPECT_EQ(mapTileAt(33, 5), 4);
    EXPECT_EQ(mapTileAt(-40, 0), 0);
    EXPECT_EQ(mapTileAt(0, -40), 0);
    EXPECT_EQ(mapTileAt(1e12f, 0), 0);
    EXPECT_EQ(mapTileAt(32 * 1024, 0), 0);
    scrollTileX = 1023;
    scrollPixelX = 20;
    EXPECT_EQ(mapTileAt(20, 0), 0) << "past the last column";
}

TEST_F(ScrollTest, TilesHurtTheCraftOnceAFrame)
{
    GameObject player(1, 0, 0, 0);
    player.setShape(true, 64, 64, 36, 33, 41, 38);
    player.setHp(1000);
    g_playerObject = &player;
    // All four corners of the hit box on solid tiles.
    mapTiles[1][1] = 1;
    stageMapStep();
    EXPECT_EQ(player.hp(), 700);
    EXPECT_EQ(player.green(), 0);
    EXPECT_EQ(player.blue(), 0);

    g_stageClearing = true;
    stageMapStep();
    EXPECT_EQ(player.hp(), 700) << "no harm while the stage clears";
    g_stageClearing = false;

    mapTiles[1][1] = 0;
    player.setHp(-1);
    stageMapStep();
    EXPECT_TRUE(g_gameOver) << "hp below 0 ends the game without a tile";
    g_playerObject = nullptr;
    g_gameOver = false;
}

TEST_F(ScrollTest, TheWindowGainsAColumnOnTheSideTheViewMovesInto)
{
    auto sheet = platform::createRenderTargetTexture(512, 512);  // opaque black texels
    platform::Texture* sheets[1] = {sheet.get()};
    g_texMap = sheets;
    g_texMapCount = 1;
    for (int c = 0; c < 22; ++c)
        mapTiles[c][0] = 1;

    struct Case {
        int tileX, pixelX;
        int firstDrawnX, lastDrawnX;  // screen columns that tiles cover in row 0
    } cases[] = {
        {1, 0, 0, 639},
        {1, 5, 0, 639},    // columns 0-20: the 21st fills the right edge
        {1, -5, 0, 639},   // columns -1-19: the extra one fills the left edge
    };
    for (const Case& c : cases) {
        scrollTileX = c.tileX;
        scrollPixelX = c.pixelX;
        device.clear(platform::D3DCLEAR_TARGET, 0xFFFFFFFF, 1);
        setSpriteStates();
        drawMapTiles();
        const uint32_t* row = device.backBuffer() + 10 * 640;
        EXPECT_EQ(row[c.firstDrawnX] & 0xFFFFFF, 0u) << c.pixelX;
        EXPECT_EQ(row[c.lastDrawnX] & 0xFFFFFF, 0u) << c.pixelX;
    }
    g_texMap = nullptr;
    g_texMapCount = 0;
}

}  // namespace

// Loading stages from the map file, good and bad.
#include <gtest/gtest.h>

#include <string>

#include "MapBuilder.h"
#include "support/HeadlessFixture.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

namespace {

class MapFileTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        g_playerObject = new GameObject(1, 0, 300, 200);
    }
    void TearDown() override
    {
        delete g_playerObject;
        g_playerObject = nullptr;
        freeMapCharacters();
        HeadlessTest::TearDown();
    }
    bool load(const std::vector<uint8_t>& bytes, int stage = 0)
    {
        return loadStageMapFrom(bytes.data(), bytes.size(), stage);
    }
};

TEST_F(MapFileTest, LoadsTheRequestedStageThroughTheDirectory)
{
    StageSource first;
    StageSource second;
    second.width = 3;
    second.height = 1;
    second.tiles = {7, 0, 9};
    second.startX = 40;
    second.startY = -8;
    second.chars = {{3, 64, 96, 2, 99, 0, 0}, {7, 0, 0, 1, 0, 0, 0}, {42, 5, 5, 0, 66, 0, 0}};
    second.scroll = {{1, 2, 300}, {7, 3, 2000}, {8, 0, 0}, {4, 9, 9}};
    second.scrollCount = 4;
    ASSERT_TRUE(load(mapFile({first, second}), 1));

    EXPECT_EQ(mapTiles[0][0], 7);
    EXPECT_EQ(mapTiles[2][0], 9);
    EXPECT_EQ(g_playerObject->x(), 40);
    EXPECT_EQ(g_playerObject->y(), -8);

    ASSERT_EQ(mapCharCount, 3);
    EXPECT_EQ(mapChars[0].index, 0);
    EXPECT_EQ(mapChars[0].width, 128);
    EXPECT_EQ(mapChars[0].u, 0.0f);   // a hatch with param0 2
    EXPECT_EQ(mapChars[0].param1, 3);  // 99 / 33
    EXPECT_EQ(mapChars[1].angle, 180);
    EXPECT_EQ(mapChars[2].index, 2);
    EXPECT_EQ(mapChars[2].param1, 2);  // a generator: 66 / 33
    EXPECT_EQ(mapChars[2].hp, 9999999);

    // Reading stops at the end record: the record after it is never read.
    ASSERT_EQ(scrollSegmentCount, 3);
    EXPECT_EQ(scrollSegments[0].frames, 213);  // trunc(2 x 32 / 0.3)
    EXPECT_EQ(scrollSegments[0].dx, 0);
    EXPECT_EQ(scrollSegments[0].dy, 1);
    EXPECT_EQ(scrollSegments[1].frames, 48);
    EXPECT_EQ(scrollSegments[1].dx, 1);
    EXPECT_EQ(scrollSegments[1].dy, -1);
    EXPECT_EQ(scrollSegments[2].frames, 0);
    EXPECT_EQ(scrollSegments[2].dx, 9999);
}

TEST_F(MapFileTest, AWrongMarkerKeepsTheTilesAndStops)
{
    StageSource stage;
    stage.tiles = {5, 5, 5, 5};
    stage.marker = 48;
    EXPECT_FALSE(load(mapFile({stage})));
    EXPECT_EQ(mapTiles[1][1], 5);
    EXPECT_EQ(g_playerObject->x(), 300) << "nothing after the marker is read";
    EXPECT_EQ(countLog("エルフさんが存在しません"), 1);
}

TEST_F(MapFileTest, BadFilesAreRefusedWithAMessage)
{
    auto with = [](auto change) {
        StageSource s;
        change(s);
        return mapFile({s});
    };
    std::vector<uint8_t> elevenStages = mapFile(std::vector<StageSource>(11));
    std::vector<uint8_t> negativeStages = mapFile({});
    negativeStages[0] = 0xFF, negativeStages[1] = 0xFF, negativeStages[2] = 0xFF, negativeStages[3] = 0xFF;
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        int stage;
    } cases[] = {
        {"too wide", with([](StageSource& s) { s.width = 1025; s.height = 0; s.tiles = {}; }), 0},
        {"too tall", with([](StageSource& s) { s.width = 0; s.height = 257; s.tiles = {}; }), 0},
        {"negative width", with([](StageSource& s) { s.width = -1; }), 0},
        {"more tiles than the file", with([](StageSource& s) { s.width = 1000; s.height = 200; }), 0},
        {"negative characters", with([](StageSource& s) { s.charCount = -1; }), 0},
        {"more characters than the file", with([](StageSource& s) { s.charCount = 1 << 28; }), 0},
        {"too many scroll records", with([](StageSource& s) { s.scrollCount = 257; }), 0},
        {"unknown direction", with([](StageSource& s) { s.scroll = {{9, 1, 1000}}; }), 0},
        {"zero speed", with([](StageSource& s) { s.scroll = {{4, 1, 0}}; }), 0},
        {"negative length", with([](StageSource& s) { s.scroll = {{4, -1, 1}}; }), 0},
        {"eleven stages", elevenStages, 0},
        {"negative stage count", negativeStages, 0},
        {"stage beyond the directory", with([](StageSource&) {}), 1},
        {"negative stage", with([](StageSource&) {}), -1},
    };
    for (const auto& c : cases) {
        size_t before = backend.logLines().size();
        EXPECT_FALSE(load(c.bytes, c.stage)) << c.what;
        EXPECT_EQ(backend.logLines().size(), before + 1) << c.what;
    }
}

TEST_F(MapFileTest, EveryTruncationIsRefused)
{
    StageSource stage;
    stage.chars = {{0, 32, 32, 0, 0, 0, 0}};
    std::vector<uint8_t> bytes = mapFile({stage, stage});
    for (size_t size = 0; size + 4 <= bytes.size(); size += 4) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        // The second stage's scroll ends the file: every shorter file lacks part of it.
        EXPECT_FALSE(load(cut, 1)) << size << " bytes";
    }
    EXPECT_TRUE(load(bytes, 1));
}

}  // namespace

// The compiled stages loaded by the game itself: every stage loads without a
// message, its grid and characters arrive as compiled, and the game's scroll
// follows the same path, frame for frame, that the compiler checked.
#include "MapRules.h"
#include "MapSource.h"
#include "ScrollPath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/PlayFlags.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"
#include "support/HeadlessFixture.h"

namespace {

class CompiledStages : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_worldFrozen = false;
    }
    void TearDown() override {
        delete g_playerObject;
        g_playerObject = nullptr;
        freeMapCharacters();
        HeadlessTest::TearDown();
    }
};

TEST_F(CompiledStages, GameLoadsAndScrollsThemAsCompiled) {
    std::ifstream file(std::string(LNF_GAME_DIR) + "/lnfpac/map.pac", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty());
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("stage " + std::to_string(index + 1));
        mapc::Stage stage;
        std::vector<mapc::Diagnostic> diagnostics;
        ASSERT_TRUE(mapc::readStage(std::string(LNF_STAGE_DIR) + "/stage" + std::to_string(index + 1) + ".txt", stage,
                                    diagnostics));

        ASSERT_TRUE(loadStageMapFrom(bytes.data(), bytes.size(), index));
        EXPECT_EQ(backend.logLines().size(), 0u) << backend.logLines().front();
        EXPECT_EQ(g_playerObject->x(), float(stage.startX));
        EXPECT_EQ(g_playerObject->y(), float(stage.startY));
        EXPECT_EQ(mapCharCount, int32_t(stage.chars.size()));
        int wrongTiles = 0;
        for (int r = 0; r < stage.height; ++r)
            for (int c = 0; c < stage.width; ++c) wrongTiles += mapTiles[c][r] != stage.tileAt(c, r);
        EXPECT_EQ(wrongTiles, 0);

        const std::vector<mapc::ScrollSegment> segments = mapc::buildSegments(stage.scroll);
        mapc::ScrollState view;
        int frame = 0;
        for (; mapc::scrolling(view, segments) && frame < 100000; ++frame) {
            mapc::advanceScroll(view, segments);
            ::advanceScroll();
            updateCamera();
            ASSERT_EQ(cameraX, view.cameraX()) << "frame " << frame;
            ASSERT_EQ(cameraY, view.cameraY()) << "frame " << frame;
        }
        ::advanceScroll();  // at rest the game's view stays put
        updateCamera();
        EXPECT_EQ(cameraX, view.cameraX());
        EXPECT_EQ(cameraY, view.cameraY());
        EXPECT_GT(frame, 0);
    }
}

}  // namespace

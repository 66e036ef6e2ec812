// Items in a running stage from the built game folder: four groups scattered
// a few frames apart, so that the screenshot shows all four pictures of the
// power sheet; the group level with the craft drifts, scrolls back through it
// and is collected, the others scroll off the left edge.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DirectStart.h"
#include "app/FrameClock.h"
#include "app/GameMain.h"
#include "collision/Destruction.h"
#include "collision/Items.h"
#include "objects/ObjectList.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"

namespace {

bool startStageOne() { return startStageDirectly(1, 0, 0); }

TEST(ItemsRun, ScatteredItemsDriftScrollAwayAndTheCraftCollectsThoseItMeets)
{
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path shots = previous / "items-screenshots";
    std::filesystem::create_directories(shots);
    std::filesystem::current_path(LNF_GAME_DIR);

    // The craft starts at (300, 200): its hit box spans y 233-238, and an
    // item's reaches 40 beyond its corner.
    struct Group {
        int frame;
        float x, y;  // centre of the scatter
    };
    const Group groups[] = {{20, 440, 120}, {25, 520, 120}, {30, 440, 330}, {35, 520, 236}};
    platform::HeadlessBackend backend;
    backend.requestScreenshot(37, (shots / "items.png").string());
    int spawned = 0;
    int scoreSeen = 0;
    backend.setFrameHook([&](int frame) {
        if (g_scene != kSceneStage)
            return;
        for (const Group& group : groups) {
            if (group.frame != frame)
                continue;
            GameObject source(0, 0, group.x, group.y);
            source.setShape(false, 0, 0, 0, 0, 0, 0);
            spawnItems(&source, 0, 12);
            spawned += 12;
        }
        scoreSeen = g_score;
    });
    backend.quitAfterFrames(400);
    platform::setTimeOverride(1);
    platform::setBackend(&backend);
    EXPECT_EQ(runLanternfall(startStageOne), 1);
    platform::setBackend(nullptr);
    std::filesystem::current_path(previous);

    EXPECT_EQ(spawned, 48);
    EXPECT_EQ(g_itemsCollected, 12) << "only the group level with the craft";
    EXPECT_EQ(scoreSeen, 12 * 12);
    EXPECT_TRUE(std::filesystem::exists(shots / "items.png"));
}

}  // namespace

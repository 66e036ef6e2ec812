// The whole game started from the built game folder, headless.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/FrameClock.h"
#include "app/GameMain.h"
#include "platform/HeadlessBackend.h"

namespace {

class GameRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(LNF_GAME_DIR);
        platform::setTimeOverride(1);
        platform::setBackend(&backend);
    }
    void TearDown() override
    {
        platform::setBackend(nullptr);
        std::filesystem::current_path(previous);
    }
    int count(const std::string& needle) const
    {
        int n = 0;
        for (const std::string& line : backend.logLines())
            n += line.find(needle) != std::string::npos;
        return n;
    }

    std::filesystem::path previous;
    platform::HeadlessBackend backend;
};

TEST_F(GameRun, StartsOnTheTitleAndShutsDownCleanly)
{
    backend.quitAfterFrames(300);
    EXPECT_EQ(runLanternfall(), 1);
    EXPECT_EQ(backend.framesPresented(), 300);
    EXPECT_EQ(count("\"type\":\"message\""), 0) << "the built game folder is complete";
    EXPECT_EQ(count("\"type\":\"audio_error\""), 0);
    EXPECT_EQ(count("\"type\":\"music\""), 0) << "the title plays no music";
    EXPECT_EQ(g_scene, kSceneTitle);
}

}  // namespace

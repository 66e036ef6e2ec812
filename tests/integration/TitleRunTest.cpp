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

// Through the menus by keys: a story game from the title's second entry,
// character 0 and its first sub-weapon, into stage 1 with the opening
// conversation typed after the two empty pages are turned.
TEST_F(GameRun, TheMenusLeadIntoAStoryGamesOpeningConversation)
{
    std::string error;
    ASSERT_TRUE(backend.parseInputScript("5 key down down\n8 key down up\n"
                                         "10 key z down\n14 key z up\n"
                                         "40 key z down\n44 key z up\n"
                                         "80 key z down\n84 key z up\n"
                                         "120 key z down\n124 key z up\n"
                                         "140 key z down\n144 key z up\n",
                                         &error))
        << error;
    backend.quitAfterFrames(240);
    EXPECT_EQ(runLanternfall(), 1);
    EXPECT_EQ(count("\"type\":\"message\""), 0);
    EXPECT_EQ(count("\"type\":\"sound\",\"n\":6,"), 3) << "the title's, the character's and the final confirm";
    EXPECT_EQ(count("\"type\":\"music\",\"n\":1,"), 1) << "the selection's confirm starts the story's music";
    EXPECT_EQ(g_scene, kSceneStage);
    EXPECT_GT(count("\"type\":\"text\""), 20) << "the opening conversation is typed";
}

}  // namespace

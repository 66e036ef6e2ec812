// The order of a stage frame: the flash, the bullets of a special attack, the
// clock and the music.
#include <gtest/gtest.h>

#include "app/PlayFlags.h"
#include "app/SceneHandlers.h"
#include "data/StoryText.h"
#include "graphics/Direct3D.h"
#include "objects/ObjectList.h"
#include "stage/StageScript.h"
#include "support/HeadlessFixture.h"
#include "text/Conversation.h"

namespace {

class StageFrameTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        g_device = &device;
        resetStageScript();
        g_playerFrozen = g_messageMode = g_screenFlash = false;
        g_worldFrozen = g_returnToTitle = g_endingFinished = false;
        g_specialInUse = 0;
    }
    void TearDown() override
    {
        emptyList(&g_bulletList);
        emptyList(&g_effectFrontList);
        resetConversationState();
        g_device = nullptr;
        g_playerFrozen = g_messageMode = false;
        g_specialInUse = 0;
        HeadlessTest::TearDown();
    }
    uint32_t presentedPixel(int x, int y) const { return backend.lastFrame()[y * 640 + x] & 0xFFFFFF; }

    platform::Device device;
};

TEST_F(StageFrameTest, AFlashFrameIsWhiteAndTheNextIsNot)
{
    g_screenFlash = true;
    stageFrame();
    EXPECT_EQ(presentedPixel(320, 240), 0xFFFFFFu);
    EXPECT_FALSE(g_screenFlash);
    stageFrame();
    EXPECT_EQ(presentedPixel(320, 240), 0u);
}

TEST_F(StageFrameTest, BulletsDieAtTheStartOfTheNextFrameDuringASpecial)
{
    g_playerFrozen = true;
    g_specialInUse = 1;
    g_bulletList = new GameObject(4, 0, 0, 0);
    appendObject(4, g_bulletList, 0, 10, 10);
    stageFrame();
    EXPECT_EQ(g_bulletList, nullptr);

    g_specialInUse = 0;  // frozen for another event: bullets stay
    g_bulletList = new GameObject(4, 0, 0, 0);
    stageFrame();
    EXPECT_NE(g_bulletList, nullptr);
}

TEST_F(StageFrameTest, AConversationHoldsTheClockAndTheMusic)
{
    // An empty story: the conversation opens its first page and waits there.
    decodeStoryText(nullptr, 0, g_storyText, nullptr);
    resetConversationState();
    g_messageMode = true;
    for (int frame = 0; frame < 3; ++frame)
        stageFrame();
    EXPECT_EQ(g_stageClock, 0);
    EXPECT_EQ(countLog("\"type\":\"stop\""), 0) << "the music waits for the conversation";

    EXPECT_TRUE(g_messageMode) << "the first page waits for the confirm control";

    g_messageMode = false;
    stageFrame();
    EXPECT_EQ(countLog("\"type\":\"stop\""), 1) << "the stage music starts on clock 0";
    EXPECT_EQ(g_stageClock, 1);
    stageFrame();
    EXPECT_EQ(countLog("\"type\":\"stop\""), 1);
}

}  // namespace

// The screens that take over play: game over with its continue menu, pause,
// stage clear with its banking and the way on; and the captions.
#include "EffectFixture.h"

#include <fstream>
#include <iterator>

#include "collision/Destruction.h"
#include "data/Progress.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

using platform::Key;

namespace {

class ScreenTest : public EffectTest {
protected:
    void keys(std::initializer_list<Key> down)
    {
        for (Key k : {Key::Up, Key::Down, Key::Z})
            backend.setKey(k, false);
        for (Key k : down)
            backend.setKey(k, true);
    }
    // The continue menu's panel is the only thing drawn from the front sheet's
    // second entry.
    bool menuShown() const { return texelAt(200, 170).tag == kTagFront + 1; }

    void stageClearReadyForAButton()
    {
        spawnEffect(&craft(), 1000);
        frames(536);
        ASSERT_NE(find(1000), nullptr);
        ASSERT_EQ(find(1000)->alpha(), 255);
    }
    static void pressButton(int i)
    {
        for (uint8_t& down : g_buttonDown)
            down = 0;
        g_buttonDown[i] = 1;
    }
};

}  // namespace

TEST_F(ScreenTest, GameOverFreezesPlaySavesTheUnlockAndShowsTheMenuOnItsSixtyThirdUpdate)
{
    g_character = 1;
    g_gameOver = true;
    spawnEffect(&craft(), 27);
    frame();
    EXPECT_TRUE(g_playerFrozen);
    EXPECT_TRUE(g_worldFrozen);
    EXPECT_TRUE(g_scriptWaitFlag);
    EXPECT_EQ(g_unlockFlags[1], 1);
    std::ifstream saved(kProgressFile, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes[4], 1);

    int firstMenu = 0;
    for (int update = 2; update <= 70 && !firstMenu; ++update) {
        frame();
        if (menuShown())
            firstMenu = update;
    }
    EXPECT_EQ(firstMenu, 63);
    EXPECT_EQ(find(27)->width(), 320);

    // Retry: the stage loads again and the screen goes with the menu.
    keys({Key::Z});
    frame();
    EXPECT_EQ(g_scene, kSceneLoad);
    EXPECT_FALSE(g_gameOver);
    EXPECT_FALSE(g_worldFrozen);
    EXPECT_FALSE(g_playerFrozen);
    EXPECT_EQ(g_effectFrontList, nullptr);
    keys({});
}

TEST_F(ScreenTest, PauseFreezesUntilResumeAndDarkensTheWholeScreen)
{
    g_menuOpen = true;
    spawnEffect(&craft(), 28);
    frame();
    EXPECT_TRUE(g_worldFrozen);
    EXPECT_TRUE(g_playerFrozen);
    EXPECT_TRUE(g_scriptWaitFlag);
    frame();
    EXPECT_TRUE(menuShown());
    EXPECT_GT(texelAt(5, 470).tag, 0);  // the translucent overlay reaches the corners
    EXPECT_EQ(find(28)->step(), 2);

    for (int i = 0; i < 2; ++i) {
        keys({Key::Down});
        frame();
        keys({});
        frame();
    }
    keys({Key::Z});
    frame();
    EXPECT_FALSE(g_menuOpen);
    EXPECT_FALSE(g_worldFrozen);
    EXPECT_FALSE(g_playerFrozen);
    EXPECT_EQ(g_scene, kSceneStage);
    EXPECT_EQ(g_effectFrontList, nullptr);
    keys({});
}

TEST_F(ScreenTest, StageClearBanksTheStageWithItsBonusesOnFrameTwoHundredAndEighty)
{
    craft().setHp(10000);  // half of 20000
    g_itemsCollected = 3;
    g_score = 1234;
    g_bankedScore = 500;
    pressButton(2);  // too early: ignored until the overlay has faded in
    spawnEffect(&craft(), 1000);
    frames(280);
    EXPECT_EQ(g_bankedScore, 500);
    EXPECT_EQ(find(1000)->alpha(), 0);
    frame();
    EXPECT_EQ(g_bankedScore, 500 + 1234 + 50 * 200 + 3 * 100);
    EXPECT_EQ(g_score, 0);
    frames(255);
    EXPECT_EQ(find(1000)->alpha(), 255);
    EXPECT_EQ(g_stageIndex, 0);
    // The results panel is drawn from the power sheet over the overlay.
    EXPECT_EQ(texelAt(320, 96).tag, kTagPower);

    frame();
    EXPECT_EQ(find(1000), nullptr);
    EXPECT_EQ(g_stageIndex, 1);
    EXPECT_EQ(g_scene, kSceneLoad);
    EXPECT_EQ(g_itemsCollected, 0);
    EXPECT_EQ(g_bankedScore, 500 + 1234 + 10000 + 300);
}

TEST_F(ScreenTest, StageClearMovesOnOnceToTheNextStageTheEndingOrTheTitle)
{
    struct Case {
        bool story;
        int stage;
        int nextStage;
        int scene;
        bool frozen;  // the conversation flags (set, cleared, or left for the title's reset)
        bool toTitle;
        bool ending;
    };
    const Case cases[] = {
        {false, 0, 1, kSceneLoad, false, false, false},
        {true, 2, 3, kSceneLoad, true, false, false},
        {false, 4, 4, kSceneStage, true, true, false},
        {true, 4, 4, kSceneStage, true, false, true},
    };
    for (const Case& c : cases) {
        g_storyMode = c.story;
        g_stageIndex = c.stage;
        g_scene = kSceneStage;
        g_returnToTitle = g_endingStarted = false;
        g_stageClearing = g_scriptWaitFlag = g_worldFrozen = true;
        g_playerFrozen = g_messageMode = false;
        g_stageClock = 777;
        stageClearReadyForAButton();
        // Two buttons on the same frame still move on once.
        g_buttonDown[0] = g_buttonDown[5] = 1;
        int musicBefore = countLog("\"type\":\"music\",\"n\":1,");
        frame();
        frame();
        for (uint8_t& down : g_buttonDown)
            down = 0;

        EXPECT_EQ(g_effectFrontList, nullptr) << c.story << c.stage;
        EXPECT_EQ(g_stageIndex, c.nextStage) << c.story << c.stage;
        EXPECT_EQ(g_scene, c.scene) << c.story << c.stage;
        EXPECT_EQ(g_stageClock, 0);
        EXPECT_EQ(g_returnToTitle, c.toTitle) << c.story << c.stage;
        EXPECT_EQ(g_endingStarted, c.ending) << c.story << c.stage;
        EXPECT_EQ(g_playerFrozen, c.frozen) << c.story << c.stage;
        EXPECT_EQ(g_messageMode, c.frozen) << c.story << c.stage;
        EXPECT_EQ(g_stageClearing, c.frozen) << c.story << c.stage;
        EXPECT_EQ(g_scriptWaitFlag, c.frozen) << c.story << c.stage;
        EXPECT_EQ(g_worldFrozen, c.frozen) << c.story << c.stage;
        EXPECT_EQ(countLog("\"type\":\"music\",\"n\":1,") - musicBefore, c.story ? 1 : 0) << c.story << c.stage;
    }
    g_storyMode = false;
    g_stageIndex = 0;
    g_returnToTitle = g_endingStarted = false;
}

TEST_F(ScreenTest, CaptionsAndThePageMarkerEndOnTheirOwn)
{
    spawnEffect(&craft(), 2100);
    frame();
    EXPECT_FLOAT_EQ(g_effectFrontList->x(), 192);
    EXPECT_EQ(g_effectFrontList->width(), 256);
    frames(101);
    EXPECT_EQ(g_effectFrontList->alpha(), 255);
    // Fades by 2 a frame from the 103rd update and goes below 30 on the 215th.
    EXPECT_EQ(framesUntilEmpty(&g_effectFrontList), 215 - 102);

    g_messageWaiting = true;
    spawnEffect(&craft(), 23);
    std::vector<float> frames16;
    for (int i = 0; i < 48; ++i) {
        frame();
        frames16.push_back(g_effectFrontList->anim());
    }
    EXPECT_EQ(frames16[14], 0);
    EXPECT_EQ(frames16[15], 1);
    EXPECT_EQ(frames16[31], 0);
    g_messageWaiting = false;
    frame();
    EXPECT_EQ(g_effectFrontList, nullptr);
}

// The title menu: the cursor's moves and skips with and without a joystick,
// the confirm latch, and what each entry starts.
#include <gtest/gtest.h>

#include "app/Window.h"
#include "scenes/SceneFixture.h"
#include "scenes/StageStart.h"

namespace {

using platform::Key;
using scenetest::SceneTest;

class TitleMenu : public SceneTest {
protected:
    // One press of the key from the given entry; the entry it lands on.
    int32_t pressFrom(int32_t entry, Key key)
    {
        titleCursor() = entry;
        press(key);
        return titleCursor();
    }
    // One push of the stick's Y axis from the given entry.
    int32_t stickFrom(int32_t entry, int y)
    {
        titleCursor() = entry;
        backend_.setJoystickAxis(1, y);
        frame();
        backend_.setJoystickAxis(1, 0);
        frame();
        return titleCursor();
    }
};

TEST_F(TitleMenu, ArrowsWithoutAJoystickSkipTheButtonConfigurationAndStopAtTheEnds)
{
    std::vector<int32_t> visited;
    for (int i = 0; i < 4; ++i) {
        press(Key::Down);
        visited.push_back(titleCursor());
    }
    for (int i = 0; i < 4; ++i) {
        press(Key::Up);
        visited.push_back(titleCursor());
    }
    EXPECT_EQ(visited, (std::vector<int32_t>{1, 3, 4, 4, 3, 1, 0, 0}));
    EXPECT_EQ(sounds(5), 6) << "a press at either end neither moves nor sounds";
    EXPECT_EQ(g_buttonHeld[g_actionButton[kActionShotB]], 0)
        << "the cursor lives in shot B's hold counter, where the entry pictures read it";

    hold(Key::Down, true);
    frames(5);
    hold(Key::Down, false);
    frame();
    EXPECT_EQ(titleCursor(), 1) << "holding Down moves once";

    g_joystickPresent = true;  // a pad pulled out, its removal not handled yet
    EXPECT_EQ(pressFrom(1, Key::Down), 2);
    EXPECT_EQ(g_scene, kSceneTitle);
}

TEST_F(TitleMenu, WithAJoystickOnlyTheStickStopsOnTheButtonConfiguration)
{
    backend_.attachJoystick(true);
    g_joystickPresent = true;
    EXPECT_EQ(stickFrom(1, 11), 2);
    EXPECT_EQ(stickFrom(1, 10), 1) << "a deflection of 10 is still in the dead zone";
    EXPECT_EQ(stickFrom(3, -11), 2);
    EXPECT_EQ(pressFrom(1, Key::Down), 3);
    EXPECT_EQ(pressFrom(3, Key::Up), 1);
    EXPECT_EQ(pressFrom(2, Key::Down), 3);
    EXPECT_EQ(pressFrom(2, Key::Up), 1);
    EXPECT_EQ(stickFrom(4, 50), 4);
}

TEST_F(TitleMenu, APadPluggedInLaterOffersTheButtonConfigurationUntilItIsPulled)
{
    // Through the window's messages, as the platform reports a pad.
    const auto plug = [&](bool in) {
        backend_.attachJoystick(in);
        backend_.postEvent({platform::EventType::Quit});
        runMessageLoop();
    };
    plug(true);
    EXPECT_TRUE(g_joystickPresent);
    EXPECT_EQ(stickFrom(1, 11), 2);
    plug(false);
    EXPECT_FALSE(g_joystickPresent);
    EXPECT_EQ(pressFrom(1, Key::Down), 3) << "skipped again";
    plug(true);
    EXPECT_TRUE(g_joystickPresent);
}

TEST_F(TitleMenu, AConfirmActsOnlyOnAFreshPress)
{
    // Held from program start, then held while the cursor moves.
    hold(Key::Z, true);
    frames(3);
    press(Key::Down);
    hold(Key::Z, true);
    frames(3);
    EXPECT_EQ(g_scene, kSceneTitle);
    EXPECT_EQ(sounds(6), 0);

    hold(Key::Z, false);
    frame();
    press(Key::Z);
    EXPECT_EQ(g_scene, kSceneSelect);
    EXPECT_TRUE(g_storyMode) << "entry 1 was under the cursor";
}

TEST_F(TitleMenu, EachEntryStartsItsScene)
{
    struct Case {
        int32_t entry;
        bool joystickButton;  // confirmed with physical button 1 instead of "Z"
        int32_t scene;
        bool story;
        int32_t quit;
    };
    const Case cases[] = {
        {0, false, kSceneSelect, false, 0},      {1, false, kSceneSelect, true, 0},
        {2, true, kSceneButtonConfig, false, 0}, {3, false, kSceneGallery, false, 0},
        {4, false, kSceneTitle, false, 1},       {0, true, kSceneSelect, false, 0},
    };
    // Shot B moved off button 1: the menu still takes the physical buttons 0 and 1.
    g_actionButton[kActionShotB] = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        g_storyMode = false;
        resetForNewGame();
        g_quitRequested = 0;
        backend_.attachJoystick(c.joystickButton);
        frame();
        const int confirms = sounds(6);
        titleCursor() = c.entry;
        if (c.joystickButton) {
            backend_.setJoystickButton(1, true);
            frame();
            backend_.setJoystickButton(1, false);
            frame();
        } else {
            press(Key::Z);
        }
        EXPECT_EQ(g_scene, c.scene);
        EXPECT_EQ(g_quitRequested, c.quit);
        EXPECT_EQ(sounds(6) - confirms, c.quit ? 0 : 1) << "quitting plays no confirm sound";
        if (c.scene == kSceneTitle)
            continue;
        EXPECT_FALSE(g_titleEntered) << "coming back spawns the title again";
        EXPECT_EQ(g_character, kNoCharacter);
        if (c.scene != kSceneSelect)
            continue;
        EXPECT_EQ(g_storyMode, c.story);
        EXPECT_EQ(g_messageMode, c.story);
        EXPECT_EQ(g_worldFrozen, c.story) << "the story's opening conversation is set up";
        EXPECT_EQ(scenetest::widthOf(g_texSelect[0]), scenetest::kSelect);
    }
}

// Shot A and shot B may share a button; the cursor and the choice must not.
TEST_F(TitleMenu, SharedShotButtonsDoNotStartAGameOnAMove)
{
    g_actionButton[kActionShotA] = g_actionButton[kActionShotB];
    press(Key::Down);
    frame();
    EXPECT_EQ(titleCursor(), 1);
    EXPECT_EQ(g_scene, kSceneTitle);
}

TEST_F(TitleMenu, AGameWithoutTheStoryAfterAStoryGameOpensNoConversation)
{
    g_storyMode = true;
    resetForNewGame();  // back from a story game: its conversation mode stays set
    ASSERT_TRUE(g_messageMode);
    frame();
    press(Key::Z);
    EXPECT_EQ(g_scene, kSceneSelect);
    EXPECT_FALSE(g_messageMode);
}

}  // namespace

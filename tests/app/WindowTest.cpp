// The window procedure's rules and the message loop's way out.
#include <gtest/gtest.h>

#include "support/HeadlessFixture.h"
#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "app/Window.h"
#include "input/DirectInput.h"

namespace {

class WindowTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        g_menuOpen = g_gameOver = g_stageClearing = false;
        g_windowActive = true;
        g_quitRequested = 0;
    }
    void TearDown() override
    {
        releaseDirectInput();
        g_menuOpen = false;
        g_scene = kSceneTitle;
        HeadlessTest::TearDown();
    }
};

TEST_F(WindowTest, EscapeOpensThePauseMenuOnlyDuringPlay)
{
    using platform::Key;
    struct Case {
        int scene;
        Key key;
        bool escapeHeld, gameOver, stageClearing;
        bool opens;
    } cases[] = {
        {kSceneStage, Key::Escape, true, false, false, true},
        {kSceneStage, Key::Escape, false, false, false, true},  // already released again
        {kSceneStage, Key::Z, true, false, false, false},       // another key, Escape held
        {kSceneStage, Key::Escape, true, true, false, false},
        {kSceneStage, Key::Escape, true, false, true, false},
        {kSceneTitle, Key::Escape, true, false, false, false},
        {kSceneSelect, Key::Escape, true, false, false, false},
        {kSceneButtonConfig, Key::Escape, true, false, false, false},
        {kSceneLoad, Key::Escape, true, false, false, false},
    };
    for (const Case& c : cases) {
        g_scene = c.scene;
        g_menuOpen = false;
        g_gameOver = c.gameOver;
        g_stageClearing = c.stageClearing;
        backend.setKey(platform::Key::Escape, c.escapeHeld);
        windowProcedure(WindowMessage::KeyDown, static_cast<int64_t>(c.key));
        EXPECT_EQ(g_menuOpen, c.opens) << "scene " << c.scene << " key " << static_cast<int>(c.key);
    }
}

TEST_F(WindowTest, AnEscapeTapWithinOneBatchOfEventsStillPauses)
{
    g_scene = kSceneStage;
    backend.setKey(platform::Key::Escape, true);   // queues the key-down
    backend.setKey(platform::Key::Escape, false);  // released before the loop looks
    backend.postEvent({platform::EventType::Quit});
    runMessageLoop();
    EXPECT_TRUE(g_menuOpen);
}

TEST_F(WindowTest, ClosingTheWindowEndsTheLoopThroughDestroyAndQuit)
{
    g_scene = 99;  // nothing to step
    backend.postEvent({platform::EventType::Quit});
    EXPECT_EQ(runMessageLoop(), 0);
}

TEST_F(WindowTest, TheQuitRequestEndsTheLoop)
{
    g_scene = 99;
    g_quitRequested = 1;
    runMessageLoop();
    SUCCEED();
}

TEST_F(WindowTest, FocusChangesAcquireAndReleaseTheJoystick)
{
    platform::JoystickState state;
    windowProcedure(WindowMessage::Activate, 0);
    EXPECT_TRUE(g_windowActive) << "without a joystick the window stays active";

    backend.attachJoystick(true);
    ASSERT_TRUE(initDirectInput());
    EXPECT_TRUE(readJoystickState(state));

    windowProcedure(WindowMessage::Activate, 0);
    EXPECT_FALSE(g_windowActive);
    EXPECT_FALSE(readJoystickState(state)) << "no joystick input while inactive";

    windowProcedure(WindowMessage::Activate, 1);
    EXPECT_TRUE(g_windowActive);
    EXPECT_TRUE(readJoystickState(state));
}

}  // namespace

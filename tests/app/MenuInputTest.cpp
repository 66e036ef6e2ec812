// The in-game menu's cursor and confirm helpers, with and without a joystick.
#include <gtest/gtest.h>

#include "support/HeadlessFixture.h"
#include "data/ButtonConfig.h"
#include "input/DirectInput.h"
#include "input/MenuInput.h"

namespace {

class MenuInputTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        setDefaultActionButtons();
        g_windowActive = true;
    }
    void TearDown() override
    {
        releaseDirectInput();
        HeadlessTest::TearDown();
    }
    void attach()
    {
        backend.attachJoystick(true);
        ASSERT_TRUE(initDirectInput());
    }
    int step(bool held = false)
    {
        int32_t cursor = 0;
        menuCursorStep(&cursor, held);
        return cursor;
    }
};

TEST_F(MenuInputTest, TheStickMustLeaveTheDeadZone)
{
    attach();
    const int cases[][3] = {
        // axis, value, cursor move
        {1, 10, 0}, {1, 11, 1}, {1, -10, 0}, {1, -11, -1},
        {0, 10, 0}, {0, 11, 1}, {0, -11, -1}, {0, 100, 1},
    };
    for (const auto& c : cases) {
        backend.setJoystickAxis(0, 0);
        backend.setJoystickAxis(1, 0);
        backend.setJoystickAxis(c[0], c[1]);
        EXPECT_EQ(step(), c[2]) << "axis " << c[0] << " at " << c[1];
    }
}

TEST_F(MenuInputTest, HoldingMovesOnceUntilReleased)
{
    attach();
    backend.setKey(platform::Key::Down, true);
    int32_t cursor = 0;
    bool held = false;
    for (int frame = 0; frame < 5; ++frame)
        held = menuCursorStep(&cursor, held);
    EXPECT_EQ(cursor, 1);
    backend.setKey(platform::Key::Down, false);
    held = menuCursorStep(&cursor, held);
    EXPECT_FALSE(held);
    backend.setKey(platform::Key::Down, true);
    menuCursorStep(&cursor, held);
    EXPECT_EQ(cursor, 2);
}

TEST_F(MenuInputTest, ArrowsWithAndWithoutAJoystick)
{
    using platform::Key;
    for (Key key : {Key::Left, Key::Right}) {
        backend.setKey(key, true);
        EXPECT_EQ(step(), 0) << "without a joystick Left and Right are not read";
        backend.setKey(key, false);
    }
    backend.setKey(Key::Up, true);
    EXPECT_EQ(step(), -1);
    backend.setKey(Key::Up, false);

    attach();
    backend.setKey(Key::Right, true);
    EXPECT_EQ(step(), 1);
    backend.setKey(Key::Right, false);
    backend.setKey(Key::Left, true);
    EXPECT_EQ(step(), -1);
}

TEST_F(MenuInputTest, ConfirmIsZOrAShotButton)
{
    backend.setKey(platform::Key::Z, true);
    EXPECT_TRUE(menuConfirmDown());
    backend.setKey(platform::Key::Z, false);
    EXPECT_FALSE(menuConfirmDown());

    attach();
    EXPECT_FALSE(menuConfirmDown());
    backend.setKey(platform::Key::Z, true);
    EXPECT_TRUE(menuConfirmDown());
    backend.setKey(platform::Key::Z, false);
    g_actionButton[kActionShotB] = 5;
    backend.setJoystickButton(5, true);
    EXPECT_TRUE(menuConfirmDown());
    backend.setJoystickButton(5, false);
    backend.setJoystickButton(2, true);  // the special's button does not confirm
    EXPECT_FALSE(menuConfirmDown());
}

}  // namespace

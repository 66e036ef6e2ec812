// The craft's movement, bounds, poses, aim and after-images.
#include <cmath>

#include "PlayerFixture.h"

using platform::Key;

TEST_F(PlayerTest, CraftStopsAtTheEdgesOfItsField)
{
    struct Case {
        float x, y;
        Key key;
        float wantX, wantY;
    };
    const Case cases[] = {
        {300, 200, Key::Right, 305, 200}, {572, 200, Key::Right, 576, 200},
        {576, 200, Key::Right, 576, 200}, {-28, 200, Key::Left, -32, 200},
        {300, -7, Key::Up, 300, -10},     {300, 423, Key::Down, 300, 426},
        {300, 426, Key::Down, 300, 426},  {300, 200, Key::Up, 300, 195},
    };
    for (const Case& c : cases) {
        craft().setX(c.x);
        craft().setY(c.y);
        key(c.key, true);
        frame();
        key(c.key, false);
        EXPECT_FLOAT_EQ(craft().x(), c.wantX) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(craft().y(), c.wantY) << c.x << "," << c.y;
    }
}

TEST_F(PlayerTest, ReversedControlsSwapBothAxesAndThePoseFollowsTheScreen)
{
    struct Case {
        bool normal;
        Key key;
        float dx, dy;
        int cell;
    };
    const Case cases[] = {
        {true, Key::Right, 5, 0, 1},   {true, Key::Left, -5, 0, 2},
        {true, Key::Up, 0, -5, 0},     {false, Key::Right, -5, 0, 2},
        {false, Key::Left, 5, 0, 1},   {false, Key::Up, 0, 5, 0},
        {false, Key::Down, 0, -5, 0},
    };
    for (const Case& c : cases) {
        g_controlsNormal = c.normal;
        craft().setX(300);
        craft().setY(200);
        key(c.key, true);
        frame();
        key(c.key, false);
        EXPECT_FLOAT_EQ(craft().x() - 300, c.dx) << c.normal << static_cast<int>(c.key);
        EXPECT_FLOAT_EQ(craft().y() - 200, c.dy) << c.normal << static_cast<int>(c.key);
        EXPECT_EQ(craft().cell(), c.cell) << c.normal << static_cast<int>(c.key);
    }
}

TEST_F(PlayerTest, ReversedControlsStillStopAtTheEdges)
{
    g_controlsNormal = false;
    craft().setX(-30);
    key(Key::Right, true);
    frame();
    EXPECT_FLOAT_EQ(craft().x(), -32);
}

TEST_F(PlayerTest, TapShotsFollowTheAimUnlessFocusHoldsIt)
{
    struct Case {
        bool focus;
        Key first, second;
        float vx, vy;
        float speed;
    };
    const Case cases[] = {
        {false, Key::Down, Key::Right, 15, 15, 5},
        {false, Key::Up, Key::Left, -15, -15, 5},
        {true, Key::Up, Key::Left, 15, 0, 2},
    };
    for (const Case& c : cases) {
        resetForNewGame();
        key(Key::Shift, c.focus);
        key(c.first, true);
        key(c.second, true);
        frame();
        key(Key::Z, true);
        frame();
        auto taps = shots(0);
        ASSERT_EQ(taps.size(), 1u);
        EXPECT_FLOAT_EQ(taps[0]->vx(), c.vx) << c.focus;
        EXPECT_FLOAT_EQ(taps[0]->vy(), c.vy) << c.focus;
        EXPECT_FLOAT_EQ(craft().speed(), c.speed) << c.focus;
        EXPECT_EQ(g_focusActive, c.focus);
        for (Key k : {Key::Shift, c.first, c.second, Key::Z})
            key(k, false);
    }
}

TEST_F(PlayerTest, TheAKeyPressesBothShotButtons)
{
    key(Key::A, true);
    frame();
    EXPECT_EQ(countShots(0), 1);
    EXPECT_EQ(countShots(1), 1);
    frames(89);
    EXPECT_EQ(g_buttonHeld[0], 90);
    EXPECT_EQ(g_buttonHeld[1], 90);
    // Holding "A" alone reaches the double charge.
    frame();
    EXPECT_EQ(g_playerState, 1);
}

TEST_F(PlayerTest, JoystickInputReplacesTheKeyboardForThatFrame)
{
    backend.attachJoystick(true);
    backend.setJoystickAxis(0, 60);
    key(Key::Left, true);
    frame();
    EXPECT_FLOAT_EQ(craft().x(), 305);
    EXPECT_EQ(g_aimX, 60);

    // Inside the dead zone the stick counts as unused and the keyboard is read.
    backend.setJoystickAxis(0, 8);
    frame();
    EXPECT_FLOAT_EQ(craft().x(), 300);

    key(Key::Left, false);
    backend.setJoystickAxis(0, 0);
    backend.setJoystickButton(0, true);
    frame();
    EXPECT_EQ(countShots(0), 1);
    backend.setJoystickButton(0, false);
    backend.attachJoystick(false);
}

TEST_F(PlayerTest, NoControlsWhileFrozenOrInAConversation)
{
    for (bool* flag : {&g_playerFrozen, &g_messageMode}) {
        *flag = true;
        key(Key::Right, true);
        key(Key::Z, true);
        frame();
        EXPECT_FLOAT_EQ(craft().x(), 300);
        EXPECT_EQ(countShots(), 0);
        *flag = false;
        key(Key::Right, false);
        key(Key::Z, false);
    }
}

TEST_F(PlayerTest, AfterImageRingKeepsTheElevenMostRecentPositions)
{
    key(Key::Shift, true);
    key(Key::Right, true);
    for (int n = 1; n <= 15; ++n) {
        frame();
        EXPECT_EQ(g_afterImages.fill, n < 11 ? n : 11);
    }
    // Fifteen positions were stored, two pixels apart; the ring holds the
    // last eleven and its four oldest slots have been overwritten.
    float lowest = 1e9f, highest = -1e9f;
    for (const AfterImage& image : g_afterImages.images) {
        lowest = std::min(lowest, image.x);
        highest = std::max(highest, image.x);
        EXPECT_EQ(image.alpha, 100);
    }
    EXPECT_FLOAT_EQ(highest, craft().x());
    EXPECT_FLOAT_EQ(lowest, craft().x() - 20);
    EXPECT_EQ(g_afterImages.ringIndex, 4);
}

TEST_F(PlayerTest, RowsPingPongOneStepEverySixFrames)
{
    std::vector<float> rows;
    for (int n = 0; n < 72; ++n) {
        frame();
        if (rows.empty() || rows.back() != craft().anim())
            rows.push_back(craft().anim());
    }
    ASSERT_GE(rows.size(), 12u);
    for (size_t i = 1; i < rows.size(); ++i) {
        EXPECT_FLOAT_EQ(std::fabs(rows[i] - rows[i - 1]), 0.25f);
        EXPECT_GE(rows[i], 0.0f);
        EXPECT_LE(rows[i], 0.75f);
    }
}

TEST_F(PlayerTest, AHitTintLastsOneFrame)
{
    craft().setGreen(0);
    craft().setBlue(0);
    frame();
    EXPECT_EQ(craft().green(), 255);
    EXPECT_EQ(craft().blue(), 255);
}

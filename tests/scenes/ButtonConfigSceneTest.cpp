// The button configuration screen: reassigning with swaps, one assignment per
// press, the row's wrapping, and leaving by the exit row with the file saved.
#include <gtest/gtest.h>

#include <filesystem>

#include "scenes/ButtonConfigScene.h"
#include "scenes/SceneFixture.h"

namespace {

using platform::Key;
using scenetest::SceneTest;

class ButtonConfig : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        resetButtonConfigScene();
        backend_.attachJoystick(true);
        g_joystickPresent = true;
    }
    std::vector<int> buttons() const { return {g_actionButton, g_actionButton + kActionCount}; }
    std::string savedFile() const
    {
        std::vector<uint8_t> bytes = readFile(kButtonConfigFile);
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(ButtonConfig, APressSwapsWithTheActionThatHadTheButtonAndExitSaves)
{
    g_scene = kSceneButtonConfig;
    frame();
    pressButton(1);  // shot A takes shot B's button, shot B takes button 0
    EXPECT_EQ(buttons(), (std::vector<int>{1, 0, 6, 2, 7, 4}));

    pushStick(1, 50);
    backend_.setJoystickButton(6, true);
    frames(3);
    pushStick(1, 50);  // to the sub-weapon row with button 6 still held
    backend_.setJoystickButton(6, false);
    frame();
    EXPECT_EQ(buttons(), (std::vector<int>{1, 6, 0, 2, 7, 4})) << "a held button assigns once";
    EXPECT_FALSE(std::filesystem::exists(kButtonConfigFile)) << "only the exit writes the file";

    const int moves[][2] = {{-50, 1}, {-50, 0}, {-50, kConfigExitRow}, {50, 0}, {-50, kConfigExitRow}};
    for (const auto& [push, row] : moves) {
        pushStick(1, push);
        EXPECT_EQ(g_configRow, row) << "the row wraps both ways";
    }
    titleCursor() = 2;
    pressButton(7);
    EXPECT_EQ(g_scene, kSceneTitle);
    EXPECT_EQ(savedFile(), "1\n6\n0\n2\n7\n4");
    EXPECT_EQ(buttons(), (std::vector<int>{1, 6, 0, 2, 7, 4})) << "the exit press assigns nothing";
    EXPECT_EQ(g_configRow, 0);
    EXPECT_EQ(titleCursor(), 0);
    EXPECT_EQ(sounds(6), 3);
}

TEST_F(ButtonConfig, TheButtonThatChoseTheSceneOnTheTitleAssignsNothing)
{
    frame();  // on the title
    titleCursor() = 2;
    backend_.setJoystickButton(1, true);
    frames(4);
    ASSERT_EQ(g_scene, kSceneButtonConfig);
    backend_.setJoystickButton(1, false);
    frame();
    EXPECT_EQ(buttons(), (std::vector<int>{0, 1, 6, 2, 7, 4}));
    pressButton(1);
    EXPECT_EQ(buttons(), (std::vector<int>{1, 0, 6, 2, 7, 4}));
}

TEST_F(ButtonConfig, WithoutAJoystickZLeavesOnlyFromTheExitRow)
{
    backend_.attachJoystick(false);
    g_scene = kSceneButtonConfig;
    press(Key::Up);
    press(Key::Z);
    EXPECT_EQ(g_configRow, 0) << "the arrows do not wrap without a joystick";
    EXPECT_EQ(g_scene, kSceneButtonConfig);
    for (int i = 0; i < 8; ++i)
        press(Key::Down);
    press(Key::Z);
    EXPECT_EQ(g_scene, kSceneTitle);
    EXPECT_EQ(savedFile(), "0\n1\n6\n2\n7\n4");
}

}  // namespace

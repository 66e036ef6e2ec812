// Character selection: the two phases, the live demonstration, the texture
// sets each step loads and releases, and the final confirm into loading.
#include <gtest/gtest.h>

#include "app/DirectStart.h"
#include "data/StoryText.h"
#include "scenes/SceneFixture.h"
#include "scenes/StageStart.h"

namespace {

using platform::Key;
using scenetest::SceneTest;
using scenetest::widthOf;

class Select : public SceneTest {
protected:
    // From the title's first or second entry into the selection.
    void startFromTitle(bool story)
    {
        frame();
        if (story)
            press(Key::Down);
        press(Key::Z);
        ASSERT_EQ(g_scene, kSceneSelect);
    }
    void chooseCharacter(int character)
    {
        if (character == 1)
            press(Key::Down);
        press(Key::Z);
        ASSERT_EQ(g_character, character);
    }
    void moveTo(int entry)
    {
        for (int i = 0; i < 4 && g_selectCursor < entry; ++i)
            press(Key::Down);
        for (int i = 0; i < 4 && g_selectCursor > entry; ++i)
            press(Key::Up);
        ASSERT_EQ(g_selectCursor, entry);
    }
    // The frame that takes the final confirm; the next frame would load the stage.
    void confirmFinally()
    {
        hold(Key::Z, true);
        frame();
        hold(Key::Z, false);
        ASSERT_EQ(g_scene, kSceneLoad);
    }
};

TEST_F(Select, CharacterZeroFromTheFirstConfirmToLoading)
{
    frame();
    hold(Key::Z, true);  // the title's confirm, still down in the selection
    frames(4);
    ASSERT_EQ(g_scene, kSceneSelect);
    EXPECT_EQ(g_character, kNoCharacter) << "a confirm held on entry must be released first";
    hold(Key::Z, false);
    frame();

    g_playerObject->setX(10);
    hold(Key::Z, true);
    frames(3);
    EXPECT_EQ(g_character, 0);
    EXPECT_EQ(g_playerObject->x(), 300.0f);
    EXPECT_EQ(g_playerObject->y(), 200.0f);
    EXPECT_EQ(g_portrait[0], 0);
    EXPECT_EQ(g_portrait[1], 2);
    EXPECT_EQ(g_selectCursor, 0) << "the held confirm does not also take the first sub-weapon";
    EXPECT_EQ(countShots(13), 1) << "the laser generator demonstrates entry 0";
    EXPECT_EQ(g_subWeapon, 0);
    EXPECT_EQ(g_texShot2[0], nullptr) << "the other character's shots are released";
    EXPECT_EQ(widthOf(g_texShot1[5]), scenetest::kShot1);
    hold(Key::Z, false);
    frame();

    // Moving stops the demonstration at once; the new one starts when the
    // pass has found nothing left to play.
    hold(Key::Down, true);
    frame();
    hold(Key::Down, false);
    EXPECT_EQ(g_shotList, nullptr);
    frames(2);
    EXPECT_EQ(countShots(11), 1);
    EXPECT_TRUE(g_subWeaponBusy[1]);
    EXPECT_EQ(g_subWeapon, 1);

    const int moves = sounds(5);
    moveTo(0);
    press(Key::Up);
    moveTo(3);
    press(Key::Down);
    EXPECT_EQ(g_selectCursor, 3);
    EXPECT_EQ(sounds(5) - moves, 6) << "a press past either end still sounds";

    confirmFinally();
    EXPECT_EQ(g_subWeapon, 3);
    EXPECT_EQ(g_shotList, nullptr);
    for (int type : {1, 2, 4, 5, 6, 7})
        EXPECT_FALSE(g_subWeaponBusy[type]) << type;
    EXPECT_EQ(g_texSelect[0], nullptr);
    EXPECT_EQ(g_texPlayer2[0], nullptr);
    EXPECT_EQ(widthOf(g_texPlayer[0]), scenetest::kPlayer1);
    EXPECT_EQ(widthOf(g_texSpecialArt[0]), scenetest::kArt1);
    EXPECT_EQ(countLog("\"type\":\"music\""), 0) << "only a story game changes the music here";
    frame();
    EXPECT_EQ(g_stageIndex, 0);
}

TEST_F(Select, CharacterOneFliesItsOwnCraftAndDemonstratesAroundIt)
{
    startFromTitle(false);
    chooseCharacter(1);
    frame();
    EXPECT_EQ(widthOf(g_texPlayer[0]), scenetest::kPlayer2);
    EXPECT_EQ(widthOf(g_texShot1[0]), scenetest::kShot1) << "its tap shots still use the first picture";
    EXPECT_EQ(g_texShot1[1], nullptr);
    EXPECT_EQ(widthOf(g_texShot2[4]), scenetest::kShot2);
    EXPECT_EQ(g_playerObject->x(), 450.0f) << "the field's demonstration moves the craft";
    EXPECT_TRUE(g_subWeaponBusy[4]);
    EXPECT_EQ(g_subWeapon, 4);

    // The barrier lasts while the gauge pays 3 a frame.
    moveTo(1);
    frame();
    ASSERT_EQ(countShots(19), 1);
    g_gauge = 7;
    frames(2);
    EXPECT_EQ(countShots(19), 1);
    EXPECT_FLOAT_EQ(g_gauge, 1);
    frame();
    EXPECT_EQ(countShots(19), 0);

    moveTo(2);
    confirmFinally();
    EXPECT_EQ(g_subWeapon, 6);
    EXPECT_EQ(widthOf(g_texSpecialArt[0]), scenetest::kArt2);
    const int portraits[2] = {g_portrait[0], g_portrait[1]};
    EXPECT_EQ(portraits[0], 9);
    EXPECT_EQ(portraits[1], 11);

    // The runner's direct start takes the same loadout the same way.
    g_storyMode = false;
    resetForNewGame();
    ASSERT_TRUE(startStageDirectly(3, 1, 2));
    EXPECT_EQ(g_scene, kSceneLoad);
    EXPECT_EQ(g_stageIndex, 2);
    EXPECT_EQ(g_subWeapon, 6);
    EXPECT_EQ(g_portrait[0], portraits[0]);
    EXPECT_EQ(g_portrait[1], portraits[1]);
    EXPECT_EQ(widthOf(g_texPlayer[0]), scenetest::kPlayer2);
    EXPECT_EQ(widthOf(g_texSpecialArt[0]), scenetest::kArt2);
    EXPECT_EQ(g_texShot1[1], nullptr);
    EXPECT_FALSE(startStageDirectly(1, 2, 0)) << "there is no third character";
}

// A finished selection leaves nothing behind for the next game's.
TEST_F(Select, TheNextGameStartsFromAFreshSelection)
{
    startFromTitle(false);
    chooseCharacter(1);
    confirmFinally();
    g_storyMode = false;
    resetForNewGame();  // back at the title

    frame();
    hold(Key::Z, true);
    frames(4);
    EXPECT_EQ(g_scene, kSceneSelect);
    EXPECT_EQ(g_character, kNoCharacter) << "the last game's final confirm is not taken again";
    hold(Key::Z, false);
    frame();
    chooseCharacter(1);
    frame();
    EXPECT_EQ(widthOf(g_texPlayer[0]), scenetest::kPlayer2) << "the selection's sets are trimmed again";
}

TEST_F(Select, AStoryGameDemonstratesLiveAndLoadsTheStory)
{
    writeFile("lnfpac/mout.fdat", std::string("BC\n"));  // "AB", stored raised by one
    startFromTitle(true);
    ASSERT_TRUE(g_worldFrozen) << "the opening conversation already holds the stage";
    chooseCharacter(0);
    frames(12);
    EXPECT_GE(countShots(14), 1) << "the laser generator fires in a story game too";
    EXPECT_TRUE(g_worldFrozen);

    confirmFinally();
    EXPECT_EQ(countLog("\"type\":\"music\",\"n\":1,"), 1);
    EXPECT_EQ(std::string(g_storyText[0] + 16, 2), "AB");
    EXPECT_TRUE(messages().empty());
}

}  // namespace

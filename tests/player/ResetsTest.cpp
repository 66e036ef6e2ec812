// The new-game reset, the stage restart and the in-game menu that calls them.
#include "PlayerFixture.h"
#include "collision/Destruction.h"
#include "player/ContinueMenu.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

using platform::Key;

namespace {

void dirtyPlay()
{
    g_playerState = 2;
    g_aimX = -1;
    g_aimY = 1;
    g_gauge = 12;
    g_gaugeMax = 3000;
    g_subWeapon = 6;
    g_bankedScore = 5000;
    g_score = 700;
    g_itemsCollected = 9;
    g_controlsNormal = false;
    g_specialInUse = 1;
    g_toggleOn = true;
    g_subWeaponBusy[3] = true;
    g_buttonHeld[0] = 40;
    g_chargeFrames[2] = 10;
    g_chargeBlink[1] = 4;
    g_releaseInvulnerable = true;
    g_worldFrozen = true;
    g_playerFrozen = true;
    g_gameOver = true;
    g_stageClearing = true;
    g_endingStarted = true;
    g_endingFinished = true;
    g_spreadCounter = 5;
    g_messageBlock = 7;
    g_stageClock = 900;
    g_playerObject->setHp(5);
    g_playerObject->setAnim(0.5f);
    g_playerObject->setShape(false, 1, 1, 0, 0, 1, 1);
}

void fillLists()
{
    for (GameObject** list : {&g_enemyList, &g_bulletList, &g_shotList, &g_itemList, &g_effectBackList})
        spawnInto(list, nullptr, 0, 0, 0, 0);
    for (int kind : {3, 27, 5, 28, 9})
        spawnInto(&g_effectFrontList, nullptr, 3, kind, 0, 0);
}

std::vector<int> frontKinds()
{
    std::vector<int> kinds;
    for (GameObject* e = g_effectFrontList; e; e = e->next)
        kinds.push_back(e->kind());
    return kinds;
}

}  // namespace

TEST_F(PlayerTest, NewGameResetClearsEverythingButTheCharacter)
{
    for (bool story : {false, true}) {
        dirtyPlay();
        fillLists();
        g_storyMode = story;
        g_character = 1;
        resetForNewGame();
        EXPECT_EQ(g_scene, kSceneTitle);
        for (GameObject* list : {g_enemyList, g_bulletList, g_shotList, g_itemList,
                                 g_effectBackList, g_effectFrontList})
            EXPECT_EQ(list, nullptr);
        EXPECT_EQ(g_messageMode, story);
        EXPECT_EQ(g_messageBlock, 0);
        EXPECT_EQ(g_subWeapon, 0);
        EXPECT_EQ(g_bankedScore, 0);
        EXPECT_EQ(g_character, 1);
        EXPECT_FALSE(g_endingFinished);
        EXPECT_FALSE(g_endingStarted);
    }
    g_storyMode = false;
    g_character = 99;
}

TEST_F(PlayerTest, BothResetsRestoreTheCraftAndItsControls)
{
    for (bool restart : {false, true}) {
        dirtyPlay();
        fillLists();
        restart ? restartStage() : resetForNewGame();
        EXPECT_EQ(g_playerState, 0);
        EXPECT_EQ(g_aimX, 1);
        EXPECT_EQ(g_aimY, 0);
        EXPECT_FLOAT_EQ(g_gauge, 800);
        EXPECT_FLOAT_EQ(g_gaugeMax, 1000);
        EXPECT_EQ(g_score, 0);
        EXPECT_EQ(g_itemsCollected, 0);
        EXPECT_TRUE(g_controlsNormal);
        EXPECT_EQ(g_specialInUse, 0);
        EXPECT_FALSE(g_toggleOn);
        EXPECT_FALSE(g_subWeaponBusy[3]);
        EXPECT_EQ(g_buttonHeld[0], 0);
        EXPECT_EQ(g_chargeFrames[2], 90);
        EXPECT_EQ(g_chargeBlink[1], 0);
        EXPECT_FALSE(g_releaseInvulnerable);
        EXPECT_FALSE(g_worldFrozen);
        EXPECT_FALSE(g_playerFrozen);
        EXPECT_FALSE(g_gameOver);
        EXPECT_FALSE(g_stageClearing);
        EXPECT_FALSE(g_endingFinished);
        EXPECT_EQ(g_spreadCounter, -2);
        EXPECT_EQ(g_stageClock, 0);
        EXPECT_EQ(g_nextEventTime, 10);
        EXPECT_EQ(craft().hp(), 20000);
        EXPECT_FLOAT_EQ(craft().anim(), 0);
        EXPECT_FLOAT_EQ(craft().speed(), 5);
        EXPECT_EQ(g_enemyList, nullptr);
        EXPECT_EQ(g_shotList, nullptr);
    }
}

TEST_F(PlayerTest, StageRestartKeepsTheGameAndTheMenuEffects)
{
    dirtyPlay();
    fillLists();
    g_messageMode = true;
    g_stageIndex = 3;
    restartStage();
    EXPECT_EQ(g_scene, kSceneLoad);
    EXPECT_EQ(g_messageBlock, 7);
    EXPECT_EQ(g_subWeapon, 6);
    EXPECT_EQ(g_bankedScore, 5000);
    EXPECT_TRUE(g_messageMode);
    EXPECT_EQ(frontKinds(), (std::vector<int>{27, 28}));
    EXPECT_EQ(craft().width(), 64);
    EXPECT_FLOAT_EQ(craft().hitLeft(), 36);
    EXPECT_FLOAT_EQ(craft().hitBottom(), 38);
    g_messageMode = false;
    g_stageIndex = 0;
}

class ContinueMenuTest : public PlayerTest {
protected:
    // One menu frame with the given keys down.
    void menuFrame(std::initializer_list<Key> down = {})
    {
        for (Key k : {Key::Up, Key::Down, Key::Z})
            key(k, false);
        for (Key k : down)
            key(k, true);
        continueMenu();
    }
    void open(bool gameOver)
    {
        g_gameOver = gameOver;
        g_menuOpen = !gameOver;
        g_worldFrozen = true;
        g_playerFrozen = true;
        g_scene = kSceneStage;
        menuFrame();
    }
};

TEST_F(ContinueMenuTest, EachEntryDoesItsOwnThing)
{
    struct Case {
        bool gameOver;
        int downs;  // presses of Down before the confirm
        int scene;
        bool toTitle;
    };
    const Case cases[] = {
        {true, 0, kSceneLoad, false},  {true, 1, kSceneStage, true},
        {true, 2, kSceneLoad, false},  // two entries: the cursor wraps
        {false, 0, kSceneLoad, false}, {false, 1, kSceneStage, true},
        {false, 2, kSceneStage, false}, {false, 5, kSceneStage, false},
    };
    for (const Case& c : cases) {
        g_returnToTitle = false;
        open(c.gameOver);
        for (int i = 0; i < c.downs; ++i) {
            menuFrame({Key::Down});
            menuFrame();
        }
        menuFrame({Key::Z});
        EXPECT_EQ(g_scene, c.scene) << c.gameOver << " " << c.downs;
        EXPECT_EQ(g_returnToTitle, c.toTitle) << c.gameOver << " " << c.downs;
        EXPECT_FALSE(g_gameOver);
        EXPECT_FALSE(g_menuOpen);
        EXPECT_FALSE(g_worldFrozen);
        EXPECT_FALSE(g_playerFrozen);
    }
    g_returnToTitle = false;
}

TEST_F(ContinueMenuTest, CursorMovesOncePerPressAndWrapsUpward)
{
    open(false);
    menuFrame({Key::Down});
    menuFrame({Key::Down});
    menuFrame({Key::Down});
    menuFrame();
    // Up from entry 1 is entry 0; up again wraps to the last entry, resume.
    menuFrame({Key::Up});
    menuFrame();
    menuFrame({Key::Up});
    menuFrame();
    menuFrame({Key::Z});
    EXPECT_EQ(g_scene, kSceneStage);
    EXPECT_FALSE(g_returnToTitle);
    EXPECT_FALSE(g_menuOpen);
}

TEST_F(ContinueMenuTest, AFireButtonHeldWhenTheMenuOpensDoesNotConfirm)
{
    g_gameOver = true;
    g_scene = kSceneStage;
    for (int i = 0; i < 5; ++i)
        menuFrame({Key::Z});
    EXPECT_TRUE(g_gameOver);
    EXPECT_EQ(g_scene, kSceneStage);
    menuFrame();
    menuFrame({Key::Z});
    EXPECT_FALSE(g_gameOver);
    EXPECT_EQ(g_scene, kSceneLoad);
}

// The first bosses: their arrivals, the exact steps at which each moves on to
// its next attack, and the bullets of the attacks whose counts are easy to get
// wrong.
#include <map>
#include <utility>

#include "EnemyFixture.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace {

class BossTest : public EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        g_storyMode = true;
        g_controlsNormal = true;
        g_portrait[1] = 0;
    }

    void TearDown() override
    {
        emptyList(&g_effectBackList);
        g_storyMode = false;
        g_scriptWaitFlag = false;
        g_messageMode = false;
        g_worldFrozen = false;
        g_controlsNormal = true;
        EnemyTest::TearDown();
    }

    // Bullets fired since the last call, counted by kind; the list is emptied.
    static std::map<int, int> firedBullets()
    {
        std::map<int, int> counts;
        for (GameObject* b = g_bulletList; b; b = b->next)
            ++counts[b->kind()];
        emptyList(&g_bulletList);
        return counts;
    }

    // Updates until the step changes; the number of updates that took.
    static int updatesInStep(GameObject& boss, int limit = 5000)
    {
        int step = boss.step();
        int n = 0;
        while (boss.step() == step && n < limit) {
            update(boss);
            ++n;
            emptyList(&g_bulletList);
        }
        return n;
    }
};

using Counts = std::map<int, int>;

}  // namespace

TEST_F(BossTest, Kind1ArrivesWithItsConversationAndStopsLeftOfColumn384)
{
    GameObject& boss = spawn(1, 640, 100);
    update(boss);
    EXPECT_EQ(boss.step(), 1);
    EXPECT_EQ(g_portrait[1], 13);
    EXPECT_TRUE(g_playerFrozen);
    EXPECT_TRUE(g_scriptWaitFlag);

    g_playerFrozen = false;
    // 640 - 6 * 43 = 382 is the first column left of 384; the next update
    // starts the attacks without moving.
    EXPECT_EQ(updatesInStep(boss), 44);
    EXPECT_FLOAT_EQ(boss.x(), 382);
    EXPECT_EQ(boss.step(), 2);
}

TEST_F(BossTest, Kind1StepsLastTheirCountsAndTheCycleRestartsAtTheOpening)
{
    GameObject& boss = spawn(1, 300, 100);
    boss.setStep(2);
    const std::pair<int, int> steps[] = {{2, 502}, {3, 702}, {4, 442}, {5, 702},
                                         {6, 1002}, {7, 492}, {1, 1}};
    for (auto [step, updates] : steps) {
        ASSERT_EQ(boss.step(), step);
        EXPECT_EQ(updatesInStep(boss), updates) << "step " << step;
        EXPECT_EQ(boss.timer(), 0);
    }
    EXPECT_EQ(boss.step(), 2);
    // The walls step slows the patrol to 3; the sweep speeds it to 7 at its
    // step 400 and back to 3 when it ends.
    EXPECT_FLOAT_EQ(boss.speed(), 3);
    EXPECT_DOUBLE_EQ(boss.angle(), 110);
}

TEST_F(BossTest, Kind1OpeningFlashesOnlyOnItsFullVolleys)
{
    GameObject& boss = spawn(1, 300, 100);
    boss.setStep(2);
    update(boss);
    EXPECT_EQ(firedBullets(), (Counts{{2, 1}, {11, 2}, {14, 2}}));
    EXPECT_FLOAT_EQ(boss.anim(), 1);
    update(boss);
    EXPECT_TRUE(firedBullets().empty());
    EXPECT_FLOAT_EQ(boss.anim(), 0);
    boss.setTimer(50);
    update(boss);
    EXPECT_EQ(firedBullets(), (Counts{{14, 1}}));
    EXPECT_FLOAT_EQ(boss.anim(), 0);
    boss.setTimer(150);
    update(boss);
    EXPECT_FLOAT_EQ(boss.anim(), 1);
}

TEST_F(BossTest, Kind1VolleysHaveTheirBulletCounts)
{
    struct Case {
        int step, timer, timer2;
        Counts fired;
    };
    const Case cases[] = {
        {3, 100, 0, {{5, 1}, {7, 7}}},
        // Walls: groups and a column bullet at step 0; the wall with three
        // three-bullet gaps once nineteen column bullets have gone.
        {4, 0, 3, {{13, 1}, {25, 30}}},
        {4, 10, 19, {{28, 81}}},
        {5, 595, 0, {{1, 5}}},
        {5, 600, 0, {}},
        {6, 25, 0, {{1, 16}}},
        {6, 500, 0, {{1, 108}}},
        {7, 100, 0, {{0, 1}, {16, 1}}},
    };
    for (const Case& c : cases) {
        GameObject& boss = spawn(1, 300, 100);
        boss.setStep(c.step);
        boss.setTimer(c.timer);
        boss.setTimer2(c.timer2);
        update(boss);
        EXPECT_EQ(firedBullets(), c.fired) << "step " << c.step << " timer " << c.timer;
        boss.kill();
    }
}

TEST_F(BossTest, Kind7NeverTurnsBeforeItHasBeenInsideTheArena)
{
    GameObject& boss = spawn(7, 600, -100);
    update(boss);
    EXPECT_EQ(boss.step(), 1);
    EXPECT_EQ(g_portrait[1], 12);
    g_playerFrozen = false;
    // Flying in from above the right edge: no turn while outside.
    for (int i = 0; i < 100 && !(boss.x() > 0 && boss.x() < 512 && boss.y() > 0 && boss.y() < 352);
         ++i) {
        update(boss);
        ASSERT_DOUBLE_EQ(boss.angle(), 120);
        ASSERT_TRUE(firedBullets().empty());
    }
    update(boss);
    EXPECT_FLOAT_EQ(boss.baseSpeed(), 0);

    // Out over the left edge: one quarter turn, a fan of ten and an aimed shot.
    boss.setX(1);
    update(boss);
    update(boss);
    EXPECT_DOUBLE_EQ(boss.angle(), 210);
    EXPECT_FLOAT_EQ(boss.baseSpeed(), 1);
    EXPECT_EQ(firedBullets(), (Counts{{0, 1}, {1, 10}}));
    update(boss);
    EXPECT_DOUBLE_EQ(boss.angle(), 210);
    EXPECT_TRUE(firedBullets().empty());
}

TEST_F(BossTest, Kind7ReversesTheControlsFromItsCornerAndRestoresThem)
{
    GameObject& boss = spawn(7, 200, 200);
    boss.setStep(1);
    boss.setTimer(601);
    update(boss);
    ASSERT_EQ(boss.step(), 2);
    // It moves first, then heads from where it is for the corner.
    EXPECT_NEAR(boss.angle(), angleDegrees(512 - boss.x(), 176 - boss.y()), 1e-9);

    // It flies to the corner, waits 100 steps there, then reverses the controls.
    for (int i = 0; i < 100 && (boss.x() < 500 || boss.y() < 160); ++i)
        update(boss);
    EXPECT_GE(boss.x(), 500);
    EXPECT_GE(boss.y(), 160);
    EXPECT_LT(boss.x(), 512 + 9);
    EXPECT_EQ(updatesInStep(boss), 100);
    EXPECT_EQ(boss.step(), 3);
    EXPECT_FALSE(g_controlsNormal);
    EXPECT_FLOAT_EQ(boss.anim(), 2);
    ASSERT_NE(g_effectBackList, nullptr);
    EXPECT_EQ(g_effectBackList->kind(), 26);

    Counts fired;
    for (int i = 0; i < 594; ++i) {
        update(boss);
        for (auto [kind, n] : firedBullets())
            fired[kind] += n;
    }
    // Eleven fans of fifteen, five volleys of fifteen beams.
    EXPECT_EQ(fired, (Counts{{1, 165}, {16, 75}}));
    EXPECT_FALSE(g_controlsNormal);
    update(boss);
    EXPECT_TRUE(g_controlsNormal);
    EXPECT_EQ(boss.step(), 1);
    EXPECT_DOUBLE_EQ(boss.angle(), 120);
    EXPECT_FLOAT_EQ(boss.anim(), 0);
}

TEST_F(BossTest, Kind9EntersThenRepeatsItsPatternsWithoutTheEntry)
{
    GameObject& boss = spawn(9, 640, 100);
    // 640 - 8 * 33 = 376 is the first column left of 384.
    EXPECT_EQ(updatesInStep(boss), 34);
    EXPECT_EQ(boss.step(), 1);
    EXPECT_EQ(g_portrait[1], 14);
    EXPECT_TRUE(g_playerFrozen);
    g_playerFrozen = false;

    const int updates[] = {51, 501, 1, 101, 111, 101, 201, 301, 1};
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 9; ++i) {
            ASSERT_EQ(boss.step(), i + 1);
            EXPECT_EQ(updatesInStep(boss), updates[i]) << "step " << i + 1;
        }
    }
    EXPECT_EQ(boss.step(), 1);
    EXPECT_FLOAT_EQ(boss.x(), 376);
}

TEST_F(BossTest, Kind9PatternsFireTheirBullets)
{
    struct Case {
        int step, timer;
        Counts fired;
    };
    const Case cases[] = {
        {1, 0, {{38, 1}}},  {1, 1, {}},           {2, 100, {{38, 1}}},
        {3, 0, {{29, 1}}},  {4, 10, {{28, 2}}},   {5, 50, {{28, 5}}},
        {6, 20, {{28, 3}}}, {7, 13, {{26, 1}}},
        // Five groups, a shot straight down and two walls of fifty.
        {8, 0, {{25, 30}, {28, 101}}},
        {8, 80, {{25, 30}, {28, 1}}},
    };
    for (const Case& c : cases) {
        GameObject& boss = spawn(9, 300, 100);
        boss.setStep(c.step);
        boss.setTimer(c.timer);
        update(boss);
        EXPECT_EQ(firedBullets(), c.fired) << "step " << c.step << " timer " << c.timer;
        boss.kill();
    }
}

TEST_F(BossTest, Kind9DriftsOnePixelEveryOtherStepAndTurnsBelow224)
{
    GameObject& boss = spawn(9, 300, 224);
    boss.setStep(2);
    update(boss);
    EXPECT_FLOAT_EQ(boss.y(), 225);
    EXPECT_FALSE(boss.flag());
    update(boss);
    EXPECT_FLOAT_EQ(boss.y(), 225);
    update(boss);
    EXPECT_FLOAT_EQ(boss.y(), 224);
}

TEST_F(BossTest, BossesOutsideTheirStepsStandStill)
{
    for (int kind : {1, 7, 9}) {
        for (int step : {-1, 10, 1000}) {
            GameObject& boss = spawn(kind, 300, 100);
            boss.setStep(step);
            update(boss);
            EXPECT_EQ(boss.step(), step) << kind;
            EXPECT_FLOAT_EQ(boss.x(), 300) << kind;
            EXPECT_TRUE(firedBullets().empty()) << kind;
            boss.kill();
            update(boss);
        }
    }
}

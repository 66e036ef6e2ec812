// The special attacks: how long each plays before it gives play back, the
// figures and swirl they draw, and the damage they deal.
#include "EffectFixture.h"

#include <cmath>

#include "app/PrecomputedTables.h"
#include "effects/CharacterAttacks.h"
#include "player/Controls.h"
#include "player/Firing.h"
#include "stage/MapCharMove.h"

namespace {

// Updates of character 0's second figure until it ends the attack: its first
// corner, three sides of 24 moves and a turn, 39 arc moves, then the spin
// finale, which takes 101 additions of 0.1 in double to reach 10, and the
// update that sees it there.
constexpr int kStarFrames = 1 + 3 * 25 + 39 + 101 + 1;
// Character 1: the start, 157 updates of comets, 150 of orbs, the final blow.
constexpr int kSwirlFrames = 1 + 157 + 150 + 1;

int countKind(int kind, GameObject* list)
{
    int n = 0;
    for (GameObject* o = list; o; o = o->next)
        n += o->kind() == kind;
    return n;
}

}  // namespace

class SpecialAttackTest : public EffectTest {
protected:
    void SetUp() override
    {
        EffectTest::SetUp();
        fillSwirlPaths();
        fillRingOffsets();
        g_mapEmitterObject = new GameObject(0, 0, 0, 0);
        g_mapEmitterObject->setShape(false, 32, 32, 0, 0, 0, 0);
    }
    void TearDown() override
    {
        delete g_mapEmitterObject;
        g_mapEmitterObject = nullptr;
        EffectTest::TearDown();
    }

    // Presses the special button once, as the control step does.
    void fire(int character)
    {
        g_character = character;
        g_buttonDown[actionButtonIndex(kActionSpecial)] = 1;
        fireSpecial(craft());
        g_buttonDown[actionButtonIndex(kActionSpecial)] = 0;
    }
    // Runs frames until the attack gives play back; the frame it did, or -1.
    int framesUntilReleased(int limit)
    {
        for (int n = 1; n <= limit; ++n) {
            frame();
            bool frozen = g_playerFrozen || g_worldFrozen || g_specialInUse != 0;
            if (!frozen)
                return n;
        }
        return -1;
    }
    GameObject* addEnemy(int32_t hp, int32_t value, float x, float y)
    {
        GameObject* e = spawnInto(&g_enemyList, nullptr, 0, 2, x, y);
        e->init(64, 64, 0, 0, 64, 64, 0, hp, 1, 1, 0, 255, 0, value);
        return e;
    }
};

TEST_F(SpecialAttackTest, EachCharactersAttackHoldsPlayThenReleasesItOnItsLastFrame)
{
    struct Case {
        int character;
        int frames;
    };
    for (Case c : {Case{0, kStarFrames}, Case{1, kSwirlFrames}}) {
        g_gauge = 800;
        fire(c.character);
        EXPECT_EQ(g_specialInUse, 1);
        EXPECT_TRUE(g_worldFrozen);
        EXPECT_NEAR(g_gauge, 100, 1e-3);
        frame();
        EXPECT_TRUE(g_playerFrozen) << c.character;
        // A second press while it runs starts nothing and costs nothing.
        g_gauge = 800;
        fire(c.character);
        EXPECT_NEAR(g_gauge, 800, 1e-3);
        EXPECT_EQ(framesUntilReleased(1000), c.frames - 1) << c.character;
        EXPECT_FALSE(g_playerFrozen);
        EXPECT_FALSE(g_worldFrozen);
        EXPECT_EQ(g_specialInUse, 0);
        EXPECT_EQ(g_specialSpin, 0);
        EXPECT_EQ(g_effectFrontList, nullptr) << c.character;
    }
}

TEST_F(SpecialAttackTest, TheStarIsDrawnOnTheCirclesThenSpinsAwayFiringFromEverySparkle)
{
    fire(0);
    frame();
    // The first sparkle sits on the top of the inner circle.
    GameObject* first = find(10);
    ASSERT_NE(first, nullptr);
    // The game's degree factor puts the top half a pixel left of 320.
    EXPECT_NEAR(first->x() + 32, 319.5, 0.1);
    EXPECT_NEAR(first->y() + 32, 40, 0.5);
    // Both figures are complete: the first pen announced each of its four
    // moves, the second is silent.
    frames(114);
    EXPECT_EQ(countLog("\"type\":\"sound\",\"n\":7,"), 4);
    // Two pens, each one corner, 72 side moves, two turns onto a corner and
    // 78 arc points.
    EXPECT_EQ(countKind(10, g_effectFrontList), 2 * (1 + 72 + 2 + 78));
    int onCircle = 0;
    for (GameObject* e = g_effectFrontList; e; e = e->next) {
        if (e->kind() != 10)
            continue;
        double r = std::hypot(e->x() + 32 - 320, e->y() + 32 - 240);
        onCircle += std::fabs(r - 200) < 2 || std::fabs(r - 250) < 2;
    }
    EXPECT_GE(onCircle, 2 * 78);
    EXPECT_EQ(g_shotList, nullptr);
    frame();
    EXPECT_EQ(countKind(11, g_effectFrontList), 0);
    EXPECT_EQ(countLog("\"type\":\"sound\",\"n\":8,"), 1);

    // The finale: dimmed sparkles slide left and fire the craft's shots.
    frames(60);
    EXPECT_GT(g_specialSpin, 5);
    GameObject* sparkle = find(10);
    ASSERT_NE(sparkle, nullptr);
    EXPECT_EQ(sparkle->alpha(), 128);
    int shots = countKind(6, g_shotList);
    EXPECT_GT(shots, 100);
    frames(kStarFrames - 176);
    EXPECT_EQ(countKind(10, g_effectFrontList), 0);
    EXPECT_GT(countKind(6, g_shotList), shots);
}

TEST_F(SpecialAttackTest, ASparkleMeasuresItsDistanceFromTheGatherPoint)
{
    struct Case {
        int x, y;
        float vx, vy;
    };
    // Left of the centre the reference is still the gather point at 288.
    for (Case c : {Case{300, 100, -12, 108}, Case{400, 300, 112, 92}, Case{100, 208, 188, 0}}) {
        spawnEffectAt(&craft(), 10, c.x, c.y);
        GameObject* sparkle = g_effectFrontList;
        frame();
        EXPECT_FLOAT_EQ(sparkle->vx(), c.vx) << c.x;
        EXPECT_FLOAT_EQ(sparkle->vy(), c.vy) << c.x;
        EXPECT_FLOAT_EQ(sparkle->speed(), std::hypot(c.vx, c.vy)) << c.x;
        emptyList(&g_effectFrontList);
    }
}

TEST_F(SpecialAttackTest, ASpinLeftByARestartedStageDoesNotShortenTheNextStar)
{
    g_specialSpin = 5;
    fire(0);
    EXPECT_EQ(framesUntilReleased(1000), kStarFrames);
}

TEST_F(SpecialAttackTest, TheSwirlSparksOnEveryEnemyThenStrikesThemAll)
{
    GameObject* weak = addEnemy(100, 3, 100, 100);
    addEnemy(101, 5, 400, 300);
    addEnemy(250, 7, 500, 50);
    fire(1);
    // Comets: the sixteen heads leave the centre along the paths.
    frames(80);
    const SwirlPoint& head = g_swirlPaths[0][2][39];
    EXPECT_NE(texelAt(int(head.x) + 24, int(head.y) + 24).tag, 0);
    frames(78);
    EXPECT_EQ(countKind(38, g_effectFrontList), 0);
    // The first round of sparks: one on each enemy, the rows alternating.
    frame();
    ASSERT_EQ(countKind(38, g_effectFrontList), 3);
    GameObject* spark = find(38);
    EXPECT_FLOAT_EQ(spark->x(), 100 + 89 + 32 - 64 - 16);
    EXPECT_FLOAT_EQ(spark->y(), 100 + 99 + 32 - 64 - 16);
    GameObject* second = spark->next;
    while (second && second->kind() != 38)
        second = second->next;
    ASSERT_NE(second, nullptr);
    EXPECT_FLOAT_EQ(second->x(), 400 + 122 + 32 - 64 - 16);
    // The orbs stand at the path ends, 181 pixels across.
    EXPECT_NE(texelAt(int(head.x) + 32 - 85, int(head.y) + 32).tag, 0);
    EXPECT_EQ(weak->hp(), 100);

    int score = g_score;
    frames(150);
    EXPECT_EQ(find(32), nullptr);
    // The used-up enemy scored, scattered its items and exploded; the others
    // keep what the blow left them.
    ASSERT_EQ(countKind(2, g_enemyList), 2);
    EXPECT_EQ(g_enemyList->hp(), 1);
    EXPECT_EQ(g_enemyList->next->hp(), 150);
    EXPECT_EQ(g_score - score, 3);
    EXPECT_EQ(countKind(0, g_itemList), 3);
    EXPECT_EQ(countKind(6, g_effectFrontList), 1);
    EXPECT_FALSE(g_playerFrozen);
    EXPECT_FALSE(g_worldFrozen);
}

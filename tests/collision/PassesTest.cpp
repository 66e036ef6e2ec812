// The collision passes: edges, who hits whom and how often, score and items
// for a destroyed enemy, the craft's damage, game over and the windows in
// which the craft cannot be hit.
#include "CollisionFixture.h"

#include "app/SceneHandlers.h"
#include "stage/DrawScreenMap.h"

TEST_F(CollisionTest, BoxesThatOnlyShareAnEdgeDoNotTouch)
{
    struct Case {
        float x, y;  // of a 10 x 10 box against one at (100, 100)
        bool overlap;
    };
    const Case cases[] = {
        {110, 100, false},   {90, 100, false},   {100, 110, false},  {100, 90, false},
        {109.9f, 100, true}, {90.1f, 100, true}, {100, 109.9f, true}, {100, 90.1f, true},
        {105, 105, true},    {110, 110, false},  {100, 100, true},
    };
    GameObject a(0, 0, 100, 100);
    a.init(10, 10, 0, 0, 10, 10, 0, 1, 1, 0, 0, 255, 0, 0);
    for (const Case& c : cases) {
        GameObject b(0, 0, c.x, c.y);
        b.init(10, 10, 0, 0, 10, 10, 0, 1, 1, 0, 0, 255, 0, 0);
        EXPECT_EQ(boxesOverlap(a, b), c.overlap) << c.x << "," << c.y;
        EXPECT_EQ(boxesOverlap(b, a), c.overlap) << c.x << "," << c.y;
    }
}

TEST_F(CollisionTest, AShotThatDestroysAnEnemyScoresItsValueAndScattersItsItems)
{
    enemy(200, 100, 4, 1, 12);
    shot(210, 110, 1, 2);
    GameObject* second = shot(212, 110, 5, 2);
    GameObject* third = shot(214, 110, 5, 2);
    hitEnemies();
    EXPECT_EQ(g_enemyList, nullptr) << "4 - 2 - 2: used up at exactly 0 and removed";
    EXPECT_EQ(g_score, 12);
    EXPECT_EQ(count(g_itemList), 12);
    EXPECT_EQ(g_shotList, second) << "the shot with 1 hit point is used up by the enemy's power";
    EXPECT_EQ(second->hp(), 4);
    EXPECT_EQ(third->hp(), 5) << "the enemy was gone before the third shot was tested";
    EXPECT_EQ(count(g_shotList), 2);
    // The items sit around the enemy's centre (216, 116), the first ring first.
    EXPECT_FLOAT_EQ(g_itemList->x(), 232);
    EXPECT_FLOAT_EQ(g_itemList->y(), 116);
    EXPECT_EQ(soundsPlayed(12), 1) << "an ordinary enemy's explosion sound";
    EXPECT_FALSE(g_stageClearing);
    EXPECT_FALSE(std::filesystem::exists(kProgressFile)) << "only a boss saves the unlocks";
}

TEST_F(CollisionTest, AShotWithOneHitPointMeetsOnlyTheFirstEnemyInListOrder)
{
    GameObject* front = enemy(200, 100, 10, 1);
    GameObject* behind = enemy(205, 100, 10, 1);
    shot(210, 110, 1, 3);
    hitEnemies();
    EXPECT_EQ(front->hp(), 7);
    EXPECT_EQ(front->green(), 0);
    EXPECT_EQ(front->blue(), 0);
    EXPECT_EQ(front->red(), 255);
    EXPECT_EQ(behind->hp(), 10);
    EXPECT_EQ(behind->green(), 255);
    EXPECT_EQ(g_shotList, nullptr);
}

TEST_F(CollisionTest, APiercingShotHitsEveryFrameAndSparksEverySecondFrame)
{
    GameObject* target = enemy(200, 100, 100, 0);
    GameObject* laser = shot(210, 110, 1, 10);  // an enemy of power 0 never uses a shot up
    for (int frame = 0; frame < 5; ++frame)
        hitEnemies();
    EXPECT_EQ(target->hp(), 50);
    EXPECT_EQ(laser->hp(), 1);
    EXPECT_EQ(laser->timer3(), 5) << "the spark counter moves on every contact";

    GameObject* bullet = add(&g_bulletList, 4, 0, 0, 0, 8, 1, 1);
    hitSpark(*bullet, *target);
    EXPECT_EQ(bullet->timer3(), 0) << "only player shots spark";
}

TEST_F(CollisionTest, BulletsAndEnemiesHurtTheCraftByTheirPower)
{
    GameObject* heavy = bullet(335, 232, 1, 300);
    bullet(100, 100, 1, 300);  // far away
    hitCraftWithBullets();
    EXPECT_EQ(craft().hp(), 19700);
    EXPECT_EQ(craft().green(), 0);
    EXPECT_EQ(craft().blue(), 0);
    EXPECT_EQ(count(g_bulletList), 1) << "a bullet of 1 hit point goes on its first contact";
    EXPECT_NE(g_bulletList, heavy);

    // An enemy touching the craft loses 1 a frame and deals its power every
    // frame; worn down by the craft it gives no score and drops nothing.
    GameObject* rammer = enemy(320, 220, 2, 50, 12);
    hitCraftWithEnemies();
    EXPECT_EQ(craft().hp(), 19650);
    EXPECT_EQ(rammer->hp(), 1);
    hitCraftWithEnemies();
    EXPECT_EQ(craft().hp(), 19600);
    EXPECT_EQ(g_enemyList, nullptr);
    EXPECT_EQ(g_score, 0);
    EXPECT_EQ(g_itemList, nullptr);
    EXPECT_EQ(soundsPlayed(12), 1) << "its destruction handler still runs";
    EXPECT_FALSE(g_gameOver);
}

TEST_F(CollisionTest, TheCraftsDestructionStopsThePassAndStartsTheGameOver)
{
    craft().setHp(500);
    bullet(335, 232, 1, 300);
    bullet(336, 232, 1, 300);
    GameObject* untouched = bullet(337, 232, 1, 300);
    hitCraftWithBullets();
    EXPECT_EQ(craft().hp(), -100);
    EXPECT_TRUE(g_gameOver);
    EXPECT_EQ(g_bulletList, untouched) << "the bullets after the fatal one are not tested";
    EXPECT_EQ(count(g_bulletList), 1);

    // A craft brought to exactly 0 by a wall goes with the next pass.
    emptyList(&g_bulletList);
    g_gameOver = false;
    craft().setHp(0);
    bullet(0, 0, 1, 1);
    hitCraftWithBullets();
    EXPECT_TRUE(g_gameOver);
}

class StageFrameCollisions : public CollisionTest {
protected:
    void SetUp() override
    {
        CollisionTest::SetUp();
        for (auto& column : mapTiles)
            for (int32_t& tile : column)
                tile = 0;
        g_scene = kSceneStage;
    }
};

TEST_F(StageFrameCollisions, WhileTheCraftCannotBeHitItemsAreStillTakenAndShotsStillHit)
{
    struct Case {
        bool releaseInvulnerable, playerFrozen, worldFrozen;
        bool craftHurt, itemTaken, enemyHit;
    };
    const Case cases[] = {
        {false, false, false, true, true, true},
        {true, false, false, false, true, true},
        {false, true, false, false, true, true},
        {false, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        resetForNewGame();
        g_scene = kSceneStage;
        g_releaseInvulnerable = c.releaseInvulnerable;
        g_playerFrozen = c.playerFrozen;
        g_worldFrozen = c.worldFrozen;
        bullet(335, 232, 1, 300);
        enemy(500, 300, 1, 0, 12);
        shot(510, 310, 1000, 1);
        spawnItems(&craft(), 0, 1);
        stageFrame();
        EXPECT_EQ(craft().hp() < 20000, c.craftHurt) << c.releaseInvulnerable << c.playerFrozen;
        EXPECT_EQ(g_itemsCollected == 1, c.itemTaken) << c.releaseInvulnerable << c.playerFrozen;
        EXPECT_EQ(g_score, (c.itemTaken ? 12 : 0) + (c.enemyHit ? 12 : 0))
            << c.releaseInvulnerable << c.playerFrozen;
    }
}

// The enemy update: the frozen world, hit tints and removal, animation, and
// the regular kinds' state machines at their turning points.
#include <cmath>

#include "EnemyFixture.h"

TEST_F(EnemyTest, FrozenEnemiesStandStillButTintsClearAndTheDeadGo)
{
    GameObject& flyer = spawn(2, 300, 100);
    GameObject& doomed = spawn(3, 400, 100);
    flyer.setGreen(0);
    flyer.setBlue(0);
    doomed.kill();
    g_playerFrozen = true;
    enemyPass();
    ASSERT_EQ(enemies().size(), 1u);
    EXPECT_EQ(g_enemyList, &flyer);
    EXPECT_FLOAT_EQ(flyer.x(), 300);
    EXPECT_FLOAT_EQ(flyer.y(), 100);
    EXPECT_EQ(flyer.timer(), 0);
    EXPECT_EQ(flyer.green(), 255);
    EXPECT_EQ(flyer.blue(), 255);

    g_playerFrozen = false;
    enemyPass();
    EXPECT_FLOAT_EQ(flyer.x(), 299);
    EXPECT_EQ(flyer.timer(), 1);
}

TEST_F(EnemyTest, AnimationCyclesBeforeOrAfterTheTimerCounts)
{
    // The zigzag flyer tests its timer before counting: a new cell on updates 1, 3, 5 ...
    GameObject& flyer = spawn(2, 600, 200);
    const float flyerCells[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 0, 0};
    for (float cell : flyerCells) {
        update(flyer);
        EXPECT_FLOAT_EQ(flyer.anim(), cell) << flyer.timer();
    }
    // The drifter counts first, so its first new cell shows on update 5.
    GameObject& drifter = spawn(20, 600, 200);
    const float drifterCells[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 0};
    for (float cell : drifterCells) {
        update(drifter);
        EXPECT_FLOAT_EQ(drifter.anim(), cell) << drifter.timer();
    }
}

TEST_F(EnemyTest, RingShardFadesToFifteenThenJumpsBack)
{
    GameObject& shard = spawn(0, 300, 200, 0);
    int updates = 0;
    while (shard.alpha() != 15 && updates < 100) {
        update(shard);
        ++updates;
    }
    EXPECT_EQ(updates, 48);
    update(shard);
    EXPECT_EQ(shard.alpha(), 255);
    EXPECT_NEAR(shard.x(), 300 + 49 * std::cos(0.0), 1e-3);
}

TEST_F(EnemyTest, RingSpawnerMarksTheRingThenReleasesTenShards)
{
    GameObject& spawner = spawn(4, 0, 0);
    update(spawner);
    EXPECT_EQ(spawner.step(), 1);
    EXPECT_NEAR(spawner.x(), std::cos(324 * 0.017444) * 200 + 320, 1e-3);
    EXPECT_NEAR(spawner.y(), std::sin(324 * 0.017444) * 200 + 240, 1e-3);
    update(spawner, 20);
    ASSERT_EQ(enemies().size(), 1u);
    update(spawner);  // its timer has reached 20: the spawner gives way to its shards
    std::vector<GameObject*> shards = enemies();
    ASSERT_EQ(shards.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(shards[i]->kind(), 0);
        EXPECT_DOUBLE_EQ(shards[i]->angle(), 36 * i + 180);
        // Each heads for the screen centre.
        float cx = static_cast<float>(std::cos(36 * i * 0.017444) * 200 + 320);
        float cy = static_cast<float>(std::sin(36 * i * 0.017444) * 200 + 240);
        EXPECT_FLOAT_EQ(shards[i]->x(), cx) << i;
        EXPECT_FLOAT_EQ(shards[i]->y(), cy) << i;
        EXPECT_NEAR(shards[i]->vx() * (cx - 320) + shards[i]->vy() * (cy - 240), -200, 0.1) << i;
    }
}

TEST_F(EnemyTest, UTurnerTurnsAwayFromTheHalfItIsIn)
{
    struct Case {
        float y;
        int turnStep;
        double finalAngle;
    };
    for (Case c : {Case{240, 2, 360}, Case{239.5f, 1, 0}}) {
        GameObject& e = spawn(3, 352, c.y);
        update(e, 2);  // 352 and 350 are not yet past the line
        EXPECT_EQ(e.step(), 0);
        update(e);
        EXPECT_EQ(e.step(), c.turnStep);
        EXPECT_FLOAT_EQ(e.x(), 348);
        update(e, 90);  // 2 degrees a step through the half turn
        EXPECT_EQ(e.step(), c.turnStep);
        EXPECT_DOUBLE_EQ(e.angle(), c.finalAngle);
        update(e);
        EXPECT_EQ(e.step(), 3);
        float x = e.x();
        update(e);
        EXPECT_FLOAT_EQ(e.x(), x + 2);
    }
}

TEST_F(EnemyTest, BrakingDasherSlowsBelowOneAndNeverRecovers)
{
    GameObject& e = spawn(6, 600, 100);
    int updates = 0;
    while (e.speed() >= 1 && updates < 200) {
        update(e);
        ++updates;
    }
    EXPECT_EQ(updates, 71);
    float creep = e.speed();
    EXPECT_GT(creep, 0.85f);
    update(e, 200);
    EXPECT_FLOAT_EQ(e.speed(), creep);
    EXPECT_FLOAT_EQ(e.baseSpeed(), creep);
}

TEST_F(EnemyTest, ChargerChargesEveryEightyStepsAndLeavesAtSixHundredEighty)
{
    GameObject& e = spawn(13, 600, 100);
    update(e, 79);
    EXPECT_EQ(e.step(), 0);
    EXPECT_FLOAT_EQ(e.x(), 521);
    update(e);
    ASSERT_EQ(e.step(), 1);
    double aim = angleDegrees(125 - 520, 225 - 100);
    EXPECT_DOUBLE_EQ(e.angle(), aim);
    EXPECT_FLOAT_EQ(e.aux(), 1);
    EXPECT_NEAR(e.vx(), std::cos(aim * 0.017444) * 5, 1e-5);

    // Sixteen boosts, each by a factor that itself grows.
    float factor = 1;
    float vx = e.vx();
    for (int i = 0; i < 16; ++i) {
        factor = static_cast<float>(factor * 1.00625);
        vx *= factor;
    }
    update(e, 79);
    EXPECT_EQ(e.step(), 1);
    update(e);
    EXPECT_EQ(e.step(), 2);
    EXPECT_FLOAT_EQ(e.vx(), -vx);

    update(e, 680 - 160);
    EXPECT_EQ(e.step(), 3);
    float x = e.x();
    float y = e.y();
    update(e);
    EXPECT_FLOAT_EQ(e.x(), x - 5);
    EXPECT_FLOAT_EQ(e.y(), y);
}

TEST_F(EnemyTest, HatchRunnerRunsByItsOwnersDirectionThenTurnsLeft)
{
    mapChars.resize(3);
    mapChars[0].param0 = 0;
    mapChars[1].param0 = 2;
    mapChars[2].param0 = 3;
    for (auto& m : mapChars)
        m.param1 = 1;
    const float perStep[] = {0, -4, 4};
    for (int owner = 0; owner < 3; ++owner) {
        g_mapEmitterObject->setOwnerIndex(owner);
        GameObject& e = spawn(14, 500, 200);
        update(e, 33);  // the run lasts while the timer has not passed 32
        EXPECT_EQ(e.step(), 0);
        EXPECT_FLOAT_EQ(e.y(), 200 + 33 * perStep[owner]) << owner;
        EXPECT_FLOAT_EQ(e.x(), 500);
        update(e);
        EXPECT_EQ(e.step(), 1);
        EXPECT_EQ(e.timer(), 1);
        update(e);
        EXPECT_FLOAT_EQ(e.x(), 496);
    }
}

TEST_F(EnemyTest, ZigzagRunnerLegsBetweenItsTurningColumns)
{
    GameObject& e = spawn(16, 70, 100);
    update(e, 4);  // 70, 68, 66, 64: not yet left of 64
    EXPECT_EQ(e.step(), 0);
    update(e);
    EXPECT_EQ(e.step(), 1);
    EXPECT_NEAR(e.vx(), std::cos(0.26166) * 4, 1e-5);
    EXPECT_NEAR(e.vy(), std::sin(0.26166) * 4, 1e-5);
    int updates = 0;
    while (e.step() < 5 && updates < 1000) {
        update(e);
        ++updates;
    }
    EXPECT_EQ(e.step(), 5);
    EXPECT_NEAR(e.vx(), 4, 1e-6);
    EXPECT_EQ(e.vy(), 0);
    EXPECT_LT(e.y(), 480);
    // The last leg carries it off to the right, where it leaves the screen box.
    for (int i = 0; i < 200 && g_enemyList; ++i)
        enemyPass();
    EXPECT_EQ(g_enemyList, nullptr);
}

// Spawning: starting values by kind, the special rules and the list order.
#include <cmath>

#include "EnemyFixture.h"

TEST_F(EnemyTest, KindRowsGiveTheirStartingValues)
{
    struct Row {
        int kind;
        float size[2], hitBox[4];
        int hp, power;
        float speed;
        double angle;  // 33 where the caller's angle is kept
        int value;
    };
    const Row rows[] = {
        {1, {256, 256}, {50, 25, 169, 190}, 2500, 50, 6, 7, 100},
        {3, {32, 32}, {0, 0, 32, 32}, 10, 1, 2, 180, 10},
        {4, {32, 32}, {0, 0, 0, 0}, 10, 1, 3, 0, 15},
        {6, {32, 32}, {0, 0, 32, 32}, 10, 50, 8, 180, 5},
        {10, {0, 0}, {0, 0, 64, 64}, 1200, 250, 8, 180, 200},
        {14, {32, 32}, {0, 0, 64, 64}, 1, 500, 4, 33, 3},
        {15, {64, 64}, {0, 0, 64, 64}, 80, 500, -13, 33, 12},
        {18, {512, 256}, {-128, -60, 256, 100}, 9999999, 500, -13, 33, 12},
        {21, {32, 32}, {8, 8, 24, 24}, 1, 500, 1, 33, 1},
    };
    for (const Row& r : rows) {
        GameObject& e = spawn(r.kind, 10, 20, 33);
        SCOPED_TRACE(r.kind);
        EXPECT_EQ(e.width(), r.size[0]);
        EXPECT_EQ(e.height(), r.size[1]);
        const float hitBox[4] = {e.hitLeft(), e.hitTop(), e.hitRight(), e.hitBottom()};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(hitBox[i], r.hitBox[i]) << i;
        EXPECT_EQ(e.hp(), r.hp);
        EXPECT_FLOAT_EQ(e.hpRatio(), 1.0f);
        EXPECT_EQ(e.power(), r.power);
        EXPECT_EQ(e.speed(), r.speed);
        EXPECT_EQ(e.aux(), r.speed);
        EXPECT_EQ(e.angle(), r.angle);
        EXPECT_EQ(e.value(), r.value);
        EXPECT_EQ(e.alpha(), 255);
        EXPECT_TRUE(e.flag());
    }
}

TEST_F(EnemyTest, HeadingsAndVelocitiesOfTheSpecialKinds)
{
    // A shard sent down moves straight down at 1 (0.017444 is not quite pi / 180).
    GameObject& shard = spawn(0, 0, 0, 90);
    EXPECT_NEAR(shard.vx(), std::cos(90 * 0.017444), 1e-6);
    EXPECT_NEAR(shard.vy(), 1, 1e-6);

    // The diagonal flyer picks its heading by the half of the screen it starts in.
    GameObject& lower = spawn(5, 600, 240);
    EXPECT_EQ(lower.angle(), 210);
    EXPECT_TRUE(lower.flag());
    EXPECT_LT(lower.vy(), 0);
    GameObject& upper = spawn(5, 600, 239.9f);
    EXPECT_EQ(upper.angle(), 150);
    EXPECT_FALSE(upper.flag());
    EXPECT_NEAR(upper.vx(), std::cos(150 * 0.017444) * 3, 1e-5);
    EXPECT_NEAR(upper.vy(), std::sin(150 * 0.017444) * 3, 1e-5);

    EXPECT_NEAR(spawn(7, 0, 0, 45).vx(), std::cos(120 * 0.017444) * 9, 1e-5);

    // The zigzag runner runs left whatever angle it is given, and keeps that angle.
    GameObject& runner = spawn(16, 0, 0, 45);
    EXPECT_EQ(runner.angle(), 45);
    EXPECT_NEAR(runner.vx(), std::cos(3.13992) * 2, 1e-6);
    EXPECT_NEAR(runner.vy(), std::sin(3.13992) * 2, 1e-6);

    GameObject& flyer = spawn(2, 0, 0, 45);
    EXPECT_EQ(flyer.vx(), 0);
    EXPECT_EQ(flyer.vy(), 0);
}

TEST_F(EnemyTest, HatchRunnerTakesItsOwnerFromTheEmitter)
{
    mapChars.resize(3);
    mapChars[2].param1 = 5;
    g_mapEmitterObject->setOwnerIndex(2);
    GameObject& runner = spawn(14, 0, 0);
    EXPECT_EQ(runner.ownerIndex(), 2);
    EXPECT_EQ(runner.timer2(), 160);

    // An owner the table does not hold gives no vertical run rather than a bad read.
    for (int bad : {3, -1}) {
        g_mapEmitterObject->setOwnerIndex(bad);
        EXPECT_EQ(spawn(14, 0, 0).timer2(), 0) << bad;
    }
}

TEST_F(EnemyTest, EnemiesJoinTheListInSpawnOrderAndUnknownKindsAreRefused)
{
    spawnEnemy(2, 0, 0, 0);
    GameObject* first = g_lastEnemy;
    EXPECT_EQ(g_enemyList, first);
    spawnEnemy(3, 0, 0, 0);
    for (int bad : {-1, 22, 1000})
        spawnEnemy(bad, 0, 0, 0);
    ASSERT_EQ(enemies().size(), 2u);
    EXPECT_EQ(enemies()[1]->kind(), 3);
    EXPECT_EQ(enemies()[1]->prev, first);
    EXPECT_EQ(g_lastEnemy, enemies()[1]);
}

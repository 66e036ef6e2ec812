// Creating bullets: the spawn point, refused kinds, starting values, the
// direction cells of the needle sprites and the spiral arm's turn.
#include <cmath>

#include "BulletFixture.h"

TEST_F(BulletTest, SpawnPointTruncatesTowardZeroAndUnknownKindsAreRefused)
{
    source->setX(100.5f);
    source->setY(50.25f);
    GameObject* b = spawn(1, 0);
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->x(), 110);  // 100.5 + 32 / 3
    EXPECT_FLOAT_EQ(b->y(), 66);   // 50.25 + 32 / 2
    EXPECT_EQ(b->category(), 4);
    EXPECT_EQ(g_lastBullet, b);

    // Toward zero, not down: -0.5 becomes 0.
    source->setX(-10.5f);
    source->setY(-16.75f);
    GameObject* left = spawn(1, 0);
    EXPECT_FLOAT_EQ(left->x(), 0);
    EXPECT_FLOAT_EQ(left->y(), 0);

    for (int kind : {-1, 3, 8, 9, 12, 17, 27, 30, 36, 37, 50, 999, 1002})
        EXPECT_EQ(spawn(kind, 0), nullptr) << kind;
    EXPECT_EQ(spawnBullet(nullptr, 1, 0), nullptr);
    // Turret bullets need their map character.
    EXPECT_EQ(spawn(32, 0), nullptr);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(g_lastBullet, left);
}

TEST_F(BulletTest, StartingValuesOfSampleKinds)
{
    // The craft level with the spawn point, so the aim is 0 degrees.
    g_playerObject->setX(300);
    g_playerObject->setY(116 - 25);
    GameObject* aimed = spawn(0, 123);
    EXPECT_EQ(aimed->width(), 16);
    EXPECT_FLOAT_EQ(aimed->hitRight(), 14);
    EXPECT_EQ(aimed->power(), 1500);
    EXPECT_DOUBLE_EQ(aimed->angle(), 0);
    EXPECT_FLOAT_EQ(aimed->vx(), 10);
    EXPECT_FLOAT_EQ(aimed->vy(), 0);

    GameObject* spinner = spawn(2, 77);
    EXPECT_DOUBLE_EQ(spinner->angle(), 180);
    EXPECT_EQ(spinner->hp(), 1000);
    EXPECT_FLOAT_EQ(spinner->vx(), 0);

    GameObject* beam = spawn(16, 240);
    EXPECT_EQ(beam->height(), 16);
    EXPECT_FLOAT_EQ(beam->hitTop(), 8);
    EXPECT_FLOAT_EQ(beam->hitBottom(), 13);
    EXPECT_EQ(beam->hp(), 9999);
    EXPECT_FLOAT_EQ(beam->speed(), 12);

    GameObject* lob = spawn(39, 240);
    EXPECT_DOUBLE_EQ(lob->angle(), 2);
    EXPECT_FLOAT_EQ(lob->speed(), -7);
    EXPECT_FLOAT_EQ(lob->baseSpeed(), -7);
    EXPECT_FLOAT_EQ(lob->aux(), -7);
    EXPECT_EQ(lob->hp(), 999999);
    EXPECT_EQ(lob->cell(), 150);

    GameObject* runner = spawn(34, 300);
    EXPECT_DOUBLE_EQ(runner->angle(), 0);
    EXPECT_FLOAT_EQ(runner->vy(), 300);
    EXPECT_FLOAT_EQ(runner->vx(), 0);

    GameObject* arm = spawn(10, 45);
    EXPECT_FLOAT_EQ(arm->vx(), arm->x());
    EXPECT_FLOAT_EQ(arm->vy(), arm->y());

    GameObject* big = spawn(49, 90);
    EXPECT_EQ(big->width(), 128);
    EXPECT_FLOAT_EQ(big->hitLeft(), 32);
    EXPECT_NEAR(big->vy(), 3, 1e-5);  // given x 3
    EXPECT_NEAR(big->vx(), 3 * std::cos(90 * kDegToRad), 1e-6);
    EXPECT_EQ(big->alpha(), 255);
    EXPECT_EQ(big->value(), 0);
}

TEST_F(BulletTest, NeedlesShowTheCellOfTheirHeading)
{
    struct Case {
        int kind;
        double angle;
        int cell;
        float anim;
    };
    const Case cases[] = {
        {1, 0, 0, 0.125f},
        {1, 155, 31, 0.125f},
        {1, 159.9, 31, 0.125f},
        {1, 160, 1, 0.15625f},
        {1, 170, 3, 0.15625f},   // d = 34: the second row
        {1, 359, 4, 0.15625f},   // the same needle as 179
        {15, 175, 4, 0.09375f},
        {25, 200, 4, 0.0625f},
        {28, 90, 18, 0.0625f},
        // Negative headings show their own direction: -45 is drawn as 135
        // and -5 as 175.
        {28, -45, 27, 0.0625f},
        {1, -5, 4, 0.15625f},
        {6, 170, 0, 0.0f},       // round bullets have no direction
    };
    for (const Case& c : cases) {
        GameObject* b = spawn(c.kind, c.angle);
        EXPECT_EQ(b->cell(), c.cell) << c.kind << " at " << c.angle;
        EXPECT_FLOAT_EQ(b->anim(), c.anim) << c.kind << " at " << c.angle;
    }
}

TEST_F(BulletTest, SpiralArmsGivenNegativeAnglesTurnTheOtherWay)
{
    GameObject* clockwise = spawn(10, 30);
    GameObject* anticlockwise = spawn(10, -330);
    EXPECT_TRUE(clockwise->flag());
    EXPECT_FALSE(anticlockwise->flag());
    // The arm's bearing from the spiral's centre after 2 and after 10 steps.
    auto bearing = [](const GameObject* b) {
        return std::atan2(b->y() - b->vy(), b->x() - b->vx()) * 180 / 3.14159265358979;
    };
    for (int i = 0; i < 2; ++i) {
        updateBullet(*clockwise);
        updateBullet(*anticlockwise);
    }
    double cwStart = bearing(clockwise);
    double acwStart = bearing(anticlockwise);
    for (int i = 0; i < 8; ++i) {
        updateBullet(*clockwise);
        updateBullet(*anticlockwise);
    }
    EXPECT_NEAR(bearing(clockwise) - cwStart, 4, 0.05);
    EXPECT_NEAR(bearing(anticlockwise) - acwStart, -4, 0.05);
    EXPECT_FLOAT_EQ(clockwise->aux(), 11);  // the radius grows by 1 a step
}

TEST_F(BulletTest, TurretBulletsTakeTheirMapCharacterAndLifetime)
{
    addTurret(400, 64, 0, 7);
    GameObject* b = spawnBullet(g_mapEmitterObject, 33, 90);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->ownerIndex(), 0);
    EXPECT_EQ(b->step(), 7);
    EXPECT_FLOAT_EQ(b->vx(), 0);
    EXPECT_FLOAT_EQ(b->vy(), 0);
    // It lives param1 steps, scrolling with the map.
    scrollPixelX = 10;
    updateCamera();
    EXPECT_EQ(updatesUntilDead(b), 7);
    EXPECT_NEAR(b->x(), 400 - 10, 0.2);  // 7 x 3 pixels down, nearly straight
    EXPECT_NEAR(b->y(), 64 + 21, 0.1);
}

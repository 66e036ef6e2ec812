// Bullet behaviours at their exact steps and thresholds: bursts, the spinner,
// turns, homing, beams, the wall turret, orbiters, the laser, the screen
// boxes and the walls.
#include <cmath>
#include <set>

#include "BulletFixture.h"

TEST_F(BulletTest, RingSeedsBurstOnTheirFirstPassAndVanish)
{
    struct Case {
        int seed;
        int child;
        int children;
        double spacing;
    };
    const Case cases[] = {{4, 1, 20, 18}, {5, 6, 60, 6}, {11, 10, 12, 30}};
    for (const Case& c : cases) {
        emptyList(&g_bulletList);
        GameObject* seed = spawn(c.seed, 7);
        updateBullet(*seed);
        EXPECT_FALSE(seed->alive()) << c.seed;
        std::vector<GameObject*> ring = bullets(c.child);
        ASSERT_EQ(static_cast<int>(ring.size()), c.children) << c.seed;
        EXPECT_DOUBLE_EQ(ring[1]->angle() - ring[0]->angle(), c.spacing) << c.seed;
        EXPECT_DOUBLE_EQ(ring.back()->angle(), 7 + c.spacing * (c.children - 1)) << c.seed;
    }
}

TEST_F(BulletTest, SpinnerFiresAFullTurnInThirtySixStepsThenEnds)
{
    GameObject* spinner = spawn(2, 0);
    EXPECT_EQ(updatesUntilDead(spinner), 37);
    std::vector<GameObject*> needles = bullets(1);
    ASSERT_EQ(needles.size(), 36u);
    EXPECT_DOUBLE_EQ(needles[35]->angle(), 350);
    EXPECT_FLOAT_EQ(spinner->x(), 110);  // it never moves
}

TEST_F(BulletTest, StopAndTurnWaitsThenTurnsFortyFiveDegreesAtSpeedEight)
{
    struct Case {
        double angle;
        double turned;
    };
    for (Case c : {Case{200, 155}, Case{90, 135}, Case{180, 225}}) {
        GameObject* b = spawn(7, c.angle);
        for (int i = 0; i < 31; ++i)
            updateBullet(*b);
        float stopX = b->x();
        for (int i = 0; i < 9; ++i)
            updateBullet(*b);
        EXPECT_FLOAT_EQ(b->x(), stopX) << c.angle;  // standing from step 31 to 40
        EXPECT_EQ(b->step(), 0);
        updateBullet(*b);
        EXPECT_EQ(b->step(), 1);
        EXPECT_DOUBLE_EQ(b->angle(), c.turned);
        EXPECT_FLOAT_EQ(b->speed(), 8);
        EXPECT_NEAR(std::hypot(b->vx(), b->vy()), 8, 1e-5);
        EXPECT_FLOAT_EQ(b->x(), stopX);  // the turning step does not move
    }
}

TEST_F(BulletTest, HomingMissileTurnsFourDegreesOrKeepsItsVelocityNearTheAim)
{
    GameObject* m = spawnAt(19, 0, 100, 200);
    // The aim from (100, 200) to the craft's (325, 225) is about 6.34 degrees.
    double aim = angleDegrees(225, 25);

    // First update on course: it gets a velocity along its heading.
    m->setAngle(aim + 3);
    updateBullet(*m);
    EXPECT_NEAR(std::hypot(m->vx(), m->vy()), 4, 1e-5);
    EXPECT_DOUBLE_EQ(m->angle(), aim + 3);

    // Later on course: the velocity it has is kept as it is.
    m->setX(100);
    m->setY(200);
    m->setVx(-1);
    m->setVy(2);
    updateBullet(*m);
    EXPECT_FLOAT_EQ(m->vx(), -1);
    EXPECT_FLOAT_EQ(m->vy(), 2);
    EXPECT_FLOAT_EQ(m->x(), 99);

    // Off course it turns 4 whole degrees the short way round, kept at or
    // above 0 when it turns up through 0.
    struct Case {
        float x, y;  // (500, 300) puts the aim at about 203 degrees
        double angle;
        double turned;
    };
    const Case cases[] = {
        {100, 200, 40.7, 36}, {100, 200, 250, 254}, {100, 200, 350, 354},
        {100, 200, -20, 344}, {500, 300, 2, 358},   {500, 300, 190, 194},
    };
    for (const Case& c : cases) {
        m->setX(c.x);
        m->setY(c.y);
        m->setAngle(c.angle);
        updateBullet(*m);
        EXPECT_DOUBLE_EQ(m->angle(), c.turned) << c.angle;
    }
}

TEST_F(BulletTest, HorizontalBeamWarnsThenGrowsLeftFromTheRightEdge)
{
    GameObject* beam = spawn(16, 200);
    updateBullet(*beam);
    EXPECT_FLOAT_EQ(beam->x(), 700);
    EXPECT_FLOAT_EQ(beam->y(), 200);
    int waited = 0;
    while (beam->width() == 1 && waited < 100) {
        updateBullet(*beam);
        ++waited;
    }
    EXPECT_EQ(waited, 23);  // 21 counted steps, the step change, then growth
    EXPECT_EQ(beam->width(), 13);
    EXPECT_FLOAT_EQ(beam->hitRight(), 13);
    EXPECT_FLOAT_EQ(beam->x(), 688);
    // It runs past the left edge, shrinks away and is gone.
    EXPECT_EQ(updatesUntilDead(beam), 61 + 63 + 1);  // to x -44, to width -11, the end
}

TEST_F(BulletTest, VerticalBeamIsHarmlessUntilItsFifthFrameThenFadesOut)
{
    GameObject* beam = spawn(13, 320);
    updateBullet(*beam);
    EXPECT_FLOAT_EQ(beam->x(), 320);
    EXPECT_FLOAT_EQ(beam->y(), 0);
    EXPECT_EQ(beam->height(), 480);
    for (int i = 0; i < 24; ++i)
        updateBullet(*beam);
    EXPECT_FLOAT_EQ(beam->anim(), 4);
    EXPECT_FLOAT_EQ(beam->hitRight(), 0);
    updateBullet(*beam);
    EXPECT_FLOAT_EQ(beam->anim(), 5);
    EXPECT_FLOAT_EQ(beam->hitRight(), 64);
    EXPECT_FLOAT_EQ(beam->hitBottom(), 480);
    // Frames 5..7, then five fades of 50 (255 down to 5), each four frames.
    EXPECT_EQ(updatesUntilDead(beam), 5 * (2 + 5 * 4 + 1));
    EXPECT_EQ(beam->alpha(), 5);
}

TEST_F(BulletTest, WallTurretsFireAtTheirPeriodFromTheirWall)
{
    struct Case {
        double value;
        bool top;
    };
    for (Case c : {Case{580, true}, Case{80, false}}) {
        emptyList(&g_bulletList);
        GameObject* turret = spawnAt(24, c.value, 600, 200);
        int steps = 0;
        while (turret->step() == 0 && steps < 200) {
            updateBullet(*turret);
            ++steps;
        }
        EXPECT_TRUE(c.top ? turret->y() <= 5 : turret->y() >= 416) << c.value;
        EXPECT_DOUBLE_EQ(turret->angle(), 80);
        for (int i = 0; i < 400; ++i)
            updateBullet(*turret);
        EXPECT_EQ(count(23), 5) << c.value;  // at timers 80, 160, 240, 320, 400
    }
    // A value whose remainder is 0 gives no period: the turret holds its fire.
    emptyList(&g_bulletList);
    GameObject* silent = spawnAt(24, 500, 600, 416);
    for (int i = 0; i < 300; ++i)
        updateBullet(*silent);
    EXPECT_EQ(count(23), 0);
    EXPECT_TRUE(silent->alive());
}

TEST_F(BulletTest, PauseAndDashStandsTenStepsThenFliesAtThirteen)
{
    GameObject* b = spawn(25, 0);
    for (int i = 0; i < 21; ++i)
        updateBullet(*b);
    float stopX = b->x();
    EXPECT_FLOAT_EQ(stopX, 110 + 21 * 3);
    for (int i = 0; i < 10; ++i)
        updateBullet(*b);
    EXPECT_FLOAT_EQ(b->x(), stopX);
    updateBullet(*b);
    EXPECT_FLOAT_EQ(b->x(), stopX + 13);
}

TEST_F(BulletTest, OrbitersVanishTheStepAfterTheirAnchorLeaves)
{
    GameObject* anchor = spawn(43, 0);
    updateBullet(*anchor);
    ASSERT_EQ(count(44), 15);
    EXPECT_EQ(g_orbitAnchorX, static_cast<int>(anchor->x()));
    for (GameObject* orbiter : bullets(44)) {
        updateBullet(*orbiter);
        updateBullet(*orbiter);
        EXPECT_TRUE(orbiter->alive());
    }
    // Sent off past the right of its box.
    anchor->setX(959);
    updateBullet(*anchor);
    EXPECT_FALSE(anchor->alive());
    EXPECT_EQ(g_orbitAnchorX, kOrbitAnchorGone);
    for (GameObject* orbiter : bullets(44)) {
        updateBullet(*orbiter);
        EXPECT_FALSE(orbiter->alive());
    }
}

TEST_F(BulletTest, ScatterLayerFiresDartsFromTheScatterTable)
{
    GameObject* layer = spawn(38, 0);
    updateBullet(*layer);
    updateBullet(*layer);
    std::vector<GameObject*> darts = bullets(26);
    ASSERT_EQ(darts.size(), 2u);
    EXPECT_DOUBLE_EQ(darts[0]->angle(), 3 * 52);  // row 1, column 1
    EXPECT_DOUBLE_EQ(darts[1]->angle(), 3 * 62);  // row 2, column 2
}

TEST_F(BulletTest, LaserHurtsACraftOnItsBeam)
{
    GameObject* laser = spawnAt(29, 0, 140, 140);
    updateBullet(*laser);  // shifts to (100, 100)
    // The craft's centre on the damage ray, five points along it.
    double ray = 8 * kDegToRad;
    g_playerObject->setX(static_cast<float>(100 + 150 * std::cos(ray) - 32));
    g_playerObject->setY(static_cast<float>(100 + 150 * std::sin(ray) - 32));
    updateBullet(*laser);
    EXPECT_EQ(g_playerObject->hp(), 20000 - 2000);
    EXPECT_EQ(g_playerObject->green(), 0);
    g_playerObject->setY(g_playerObject->y() + 60);
    updateBullet(*laser);
    EXPECT_EQ(g_playerObject->hp(), 18000);
}

TEST_F(BulletTest, BulletsLeaveTheirBoxes)
{
    struct Case {
        int kind;
        double angle;
        float x, y;
        bool alive;
    };
    const Case cases[] = {
        {1, 180, -74, 100, true},   // -79: still inside
        {1, 180, -76, 100, false},  // -81
        {1, 90, 100, 476, false},
        {1, 0, 636, 100, false},
        {39, 0, 100, -850, true},   // a lob may rise to -900
        {39, 0, 100, -895, false},
        {46, 0, 1000, 100, true},   // curlers may swing far right
        {10, 0, 790, 100, false},   // spiral arms end past x 800
    };
    for (const Case& c : cases) {
        GameObject* b = spawnAt(c.kind, c.angle, c.x, c.y);
        if (c.kind == 10) {
            b->setVx(c.x);
            b->setVy(c.y);
            b->setAux(20);
        }
        updateBullet(*b);
        EXPECT_EQ(b->alive(), c.alive) << c.kind << " at " << c.x << ", " << c.y;
    }
}

TEST_F(BulletTest, SolidTilesStopOneHitPointBulletsOnly)
{
    mapTiles[5][3] = 7;  // screen 160-191, 96-127
    // A needle whose hit box (12-20) reaches into the tile only at one corner.
    GameObject* needle = spawnAt(1, 0, 160 - 19 - 5, 96 - 12);
    needle->setVx(5);
    needle->setVy(0);
    updateBullet(*needle);
    EXPECT_FALSE(needle->alive());
    GameObject* layer = spawnAt(38, 0, 170, 90);
    updateBullet(*layer);
    EXPECT_TRUE(layer->alive());
    EXPECT_EQ(layer->hp(), 999998);
    bulletPass();
    EXPECT_EQ(count(1), 0);
}

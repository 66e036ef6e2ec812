// Shot kinds: movement, lifetimes, what they spawn, homing, the sword's ray,
// the boomerang trail and the wall test.
#include <cmath>

#include "PlayerFixture.h"
#include "player/ShotRules.h"

namespace {

constexpr double kPi = 3.14159265358979;

// Updates a shot on its own until it dies; the number of updates it took.
int updatesUntilDead(GameObject* shot, int limit = 2000)
{
    int n = 0;
    while (shot->alive() && n < limit) {
        updateShot(*shot);
        ++n;
    }
    return n;
}

}  // namespace

TEST_F(PlayerTest, EachKindLivesItsNumberOfUpdates)
{
    struct Case {
        int kind;
        bool latch;  // the sub-weapon latch it runs under
        int latchType;
        int updates;
        int childKind;
        int children;
    };
    const Case cases[] = {
        {1, false, 0, 20, -1, 0},    // 360 + 15 a frame passes 640 after 19 moves
        {2, false, 0, 25, -1, 0},    // 12 a frame
        {3, false, 0, 37, -1, 0},    // from x 284, 10 a frame
        {5, false, 0, 25, -1, 0},
        {6, false, 0, 141, -1, 0},   // 2 a frame
        {13, true, 0, 102, 14, 11},  // a laser every 10 frames, timers 0..100
        {15, true, 3, 32, 16, 9},
        {17, true, 6, 167, 18, 36},  // twelve volleys of three, the last from x 188
        {21, false, 0, 40, -1, 0},
        {22, false, 0, 97, -1, 0},   // 16 rows shrink every third frame after 50
        {11, true, 1, 63, -1, 0},    // 14 frames of swing, 49 of fading
    };
    for (const Case& c : cases) {
        resetForNewGame();
        g_subWeaponBusy[c.latchType] = c.latch;
        GameObject* shot = spawnShot(&craft(), c.kind);
        ASSERT_NE(shot, nullptr);
        EXPECT_EQ(updatesUntilDead(shot), c.updates) << c.kind;
        if (c.childKind >= 0) {
            EXPECT_EQ(countShots(c.childKind), c.children) << c.kind;
        }
        if (c.latch) {
            EXPECT_FALSE(g_subWeaponBusy[c.latchType]) << c.kind;
        }
    }
}

TEST_F(PlayerTest, SpawnPointsAndUnknownKinds)
{
    craft().setX(100.7f);
    craft().setY(50.2f);
    GameObject* release = spawnShot(&craft(), 3);
    GameObject* tap = spawnShot(&craft(), 0);
    EXPECT_FLOAT_EQ(release->x(), 84);
    EXPECT_FLOAT_EQ(release->y(), -45);
    EXPECT_FLOAT_EQ(tap->x(), 160);
    EXPECT_FLOAT_EQ(tap->y(), 70);
    EXPECT_EQ(spawnShot(&craft(), 20), nullptr);
    EXPECT_EQ(spawnShot(&craft(), 23), nullptr);
    EXPECT_EQ(spawnShot(&craft(), -1), nullptr);
    EXPECT_EQ(spawnShot(nullptr, 0), nullptr);
    EXPECT_EQ(countShots(), 2);
}

TEST_F(PlayerTest, TapShotsLeaveTheListOnceWhollyOffScreen)
{
    struct Case {
        int aimX, aimY;
        int updates;
    };
    // From (360, 220), 15 pixels a frame on each moving axis.
    const Case cases[] = {
        {1, 0, 19},   // x 645 after 19 moves
        {-1, 0, 26},  // x + 16 <= 0 after 25 moves
        {0, -1, 16},  // y + 16 <= 0 after 16 moves
        {0, 1, 18},   // y >= 480 after 18 moves
    };
    for (const Case& c : cases) {
        g_aimX = c.aimX;
        g_aimY = c.aimY;
        GameObject* shot = spawnShot(&craft(), 0);
        EXPECT_EQ(updatesUntilDead(shot), c.updates) << c.aimX << "," << c.aimY;
    }
}

TEST_F(PlayerTest, BlinkAlternatesColumnsFromTheFourthFrame)
{
    GameObject* shot = spawnShot(&craft(), 1);
    const float want[] = {0, 0, 0, 1, 0, 1, 0};
    for (float w : want) {
        updateShot(*shot);
        EXPECT_FLOAT_EQ(shot->anim(), w);
    }
}

TEST_F(PlayerTest, PelletsTurnFourWholeDegreesTowardTheHeadOfTheEnemyList)
{
    struct Case {
        double heading;
        double bearing;  // -1: no enemy
        double want;
    };
    const Case cases[] = {
        {90, 280, 86},   {90, 100, 94}, {90, 80, 86},  {90, 93, 90},   {10, 350, 6},
        {350, 10, 354},  {2, 200, 358}, {90.7, 180, 94}, {45, -1, 45}, {-2, 350, 354},
    };
    for (const Case& c : cases) {
        emptyList(&g_shotList);
        emptyList(&g_enemyList);
        GameObject* pellet = spawnShot(&craft(), 4);
        pellet->setX(200);
        pellet->setY(200);
        pellet->setAngle(c.heading);
        pellet->setVx(1);
        pellet->setVy(2);
        if (c.bearing >= 0) {
            double b = c.bearing * kPi / 180;
            addTo(&g_enemyList, 0, static_cast<float>(200 + 300 * std::cos(b)),
                  static_cast<float>(200 + 300 * std::sin(b)), 0);
            // A nearer enemy later in the list is ignored.
            addTo(&g_enemyList, 0, 210, 150, 0);
        }
        updateShot(*pellet);
        EXPECT_DOUBLE_EQ(pellet->angle(), c.want) << c.heading << " to " << c.bearing;
        if (c.want != c.heading) {
            EXPECT_FLOAT_EQ(pellet->vx(), static_cast<float>(std::cos(c.want * kDegToRad) * 10));
            EXPECT_FLOAT_EQ(pellet->x(), 200 + pellet->vx());
        } else {
            EXPECT_FLOAT_EQ(pellet->x(), 201);
            EXPECT_FLOAT_EQ(pellet->y(), 202);
        }
    }
}

TEST_F(PlayerTest, PelletVolleysStepThroughTheSpreadCounter)
{
    g_aimX = -1;
    g_aimY = -1;
    std::vector<double> angles;
    for (int i = 0; i < 13; ++i)
        angles.push_back(spawnShot(&craft(), 4)->angle() - 225);
    const std::vector<double> want = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, -2, -1, 0};
    EXPECT_EQ(angles, want);
}

TEST_F(PlayerTest, PelletsFarOutsideTheScreenAreRemoved)
{
    GameObject* pellet = spawnShot(&craft(), 4);
    pellet->setX(1499);
    updateShot(*pellet);
    EXPECT_TRUE(pellet->alive());
    pellet->setX(1500);
    updateShot(*pellet);
    EXPECT_FALSE(pellet->alive());
}

TEST_F(PlayerTest, BurstShotsFanOutFortyDegreesApart)
{
    spawnShot(&craft(), 15);
    shotPass();
    std::vector<double> angles;
    for (GameObject* s : shots(16))
        angles.push_back(s->angle());
    const std::vector<double> want = {0, 40, 80, 120, 160, 200, 240, 280, 320};
    EXPECT_EQ(angles, want);
}

TEST_F(PlayerTest, RainShotsLeapFromTheirStartPoint)
{
    GameObject* rain = spawnShot(&craft(), 18);
    float x0 = rain->x();
    float y0 = rain->y();
    for (float distance : {5.0f, 15.0f, 25.0f, 35.0f}) {
        updateShot(*rain);
        EXPECT_NEAR(std::hypot(rain->x() - x0, rain->y() - y0), distance, 1e-3) << distance;
    }
    EXPECT_DOUBLE_EQ(rain->angle(), 39);
}

TEST_F(PlayerTest, RotatingBeamsUnfoldThenCircleADriftingAnchor)
{
    GameObject* beam = spawnShot(&craft(), 9);
    float anchorX = beam->vx();
    updateShot(*beam);
    updateShot(*beam);
    EXPECT_EQ(beam->width(), 84);
    EXPECT_FLOAT_EQ(beam->hitRight(), 84);
    EXPECT_EQ(beam->step(), 1);
    EXPECT_FLOAT_EQ(beam->vx(), anchorX);
    for (int n = 1; n <= 5; ++n) {
        updateShot(*beam);
        EXPECT_FLOAT_EQ(beam->vx(), anchorX + 10 * n);
        EXPECT_LE(std::fabs(beam->x() - beam->vx()), 15.001f);
        EXPECT_LE(std::fabs(beam->y() - beam->vy()), 30.001f);
    }
    EXPECT_LT(updatesUntilDead(beam), 40);
}

TEST_F(PlayerTest, SwordCutsBulletsOnlyAlongItsRay)
{
    g_subWeaponBusy[1] = true;
    // The craft's centre is (332, 232); the first frame's ray runs straight up.
    GameObject* onRay = addTo(&g_bulletList, 4, 330, 150, 4);
    GameObject* inBoxOnly = addTo(&g_bulletList, 4, 400, 200, 4);
    GameObject* beyondRay = addTo(&g_bulletList, 4, 330, 80, 4);
    GameObject* sword = spawnShot(&craft(), 11);
    updateShot(*sword);
    EXPECT_FALSE(onRay->alive());
    EXPECT_TRUE(inBoxOnly->alive());
    EXPECT_TRUE(beyondRay->alive());
    EXPECT_FLOAT_EQ(sword->boxLeft(), 330);
    EXPECT_FLOAT_EQ(sword->boxTop(), 160);
    EXPECT_FLOAT_EQ(sword->boxRight(), 425);
    EXPECT_FLOAT_EQ(sword->boxBottom(), 285);
}

TEST_F(PlayerTest, BoomerangReturnsWithAtMostSixGhosts)
{
    g_subWeaponBusy[2] = true;
    GameObject* boomerang = spawnShot(&craft(), 12);
    float furthest = boomerang->x();
    int n = 0;
    while (boomerang->alive() && n < 500) {
        updateShot(*boomerang);
        furthest = std::max(furthest, boomerang->x());
        EXPECT_LE(g_boomerangTrail.fill, kBoomerangTrailLength);
        ++n;
        if (n == 10) {
            EXPECT_EQ(g_boomerangTrail.fill, 6);
        }
    }
    EXPECT_LT(n, 500);
    EXPECT_GT(furthest, 500);
    EXPECT_LT(boomerang->x(), -228);
    EXPECT_FALSE(g_subWeaponBusy[2]);
    EXPECT_EQ(g_boomerangTrail.fill, 0);
}

TEST_F(PlayerTest, WallsStopShotsThatCanBeUsedUp)
{
    struct Case {
        int kind;
        bool alive;
        int hpLost;
    };
    const Case cases[] = {{0, false, 1}, {1, false, 1}, {2, true, 1}, {5, true, 1}};
    for (const Case& c : cases) {
        clearMap();
        GameObject* shot = spawnShot(&craft(), c.kind);
        int hp = shot->hp();
        // The shot moves first; its box's top-left corner then lies in tile (11, 6).
        mapTiles[11][6] = 1;
        updateShot(*shot);
        EXPECT_EQ(shot->alive(), c.alive) << c.kind;
        EXPECT_EQ(hp - shot->hp(), c.hpLost) << c.kind;
        clearMap();
        updateShot(*shot);
        EXPECT_EQ(hp - shot->hp(), c.hpLost) << c.kind;
    }
}

TEST_F(PlayerTest, FrozenWorldDrawsShotsWithoutMovingThem)
{
    GameObject* shot = spawnShot(&craft(), 1);
    g_worldFrozen = true;
    shotPass();
    EXPECT_FLOAT_EQ(shot->x(), 360);
    g_worldFrozen = false;
    shotPass();
    EXPECT_FLOAT_EQ(shot->x(), 375);
}

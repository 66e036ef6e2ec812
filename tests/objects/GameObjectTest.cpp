// GameObject: set-up, the integer halvings and truncations, steps and the
// proximity tests at their exact thresholds.
#include <gtest/gtest.h>

#include <cmath>

#include "objects/GameObject.h"

namespace {

// An object whose centre is at (cx, cy), with a hit box `hitWidth` wide.
GameObject objectAt(int32_t kind, float cx, float cy, int width, float hitWidth) {
    GameObject g(0, kind, cx - width / 2, cy - width / 2);
    g.setShape(true, width, width, 0, 0, hitWidth, hitWidth);
    return g;
}

}  // namespace

TEST(GameObject, ConstructorValuesAndInitTruncation) {
    GameObject g(2, 7, 1.5f, 2.5f);
    EXPECT_EQ(g.red(), 255);
    EXPECT_EQ(g.green(), 255);
    EXPECT_EQ(g.blue(), 255);
    EXPECT_TRUE(g.alive());
    EXPECT_TRUE(g.flag());
    EXPECT_EQ(g.step(), 0);
    EXPECT_EQ(g.timer3(), 0);
    EXPECT_EQ(g.value(), 0);
    EXPECT_EQ(g.rotation(), 0.0);
    EXPECT_EQ(g.next, nullptr);

    g.init(31.9f, 16.5f, 1, 2, 30, 15, 3, 40, 5, 2.5f, 90.0, 200, 0.25f, 100);
    EXPECT_EQ(g.width(), 31);
    EXPECT_EQ(g.height(), 16);
    EXPECT_EQ(g.speed(), 2.5f);
    EXPECT_EQ(g.baseSpeed(), 2.5f);
    EXPECT_EQ(g.aux(), 2.5f);
    EXPECT_FLOAT_EQ(g.hpRatio(), 1.0f);
    g.setHp(10);
    EXPECT_FLOAT_EQ(g.hpRatio(), 0.25f);

    g.setShape(false, -3.7f, 1e20f, 0, 0, 0, 0);
    EXPECT_FALSE(g.alive());
    EXPECT_EQ(g.width(), -3);  // toward zero, not down
    EXPECT_GT(g.height(), 0);  // out of range is clamped, not undefined
}

TEST(GameObject, CentreHalvesTheSizeAsAnInteger) {
    GameObject g(0, 0, 10.5f, 4.0f);
    g.setShape(true, 33, 7, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(g.centreX(), 26.5f);
    EXPECT_FLOAT_EQ(g.centreY(), 7.0f);
}

TEST(GameObject, TakeHitReportsAtZeroButSweepDamageKillsOnlyBelowZero) {
    GameObject target(0, 0, 0, 0);
    GameObject shot(2, 0, 0, 0);
    target.setHp(5);
    shot.setPower(5);
    EXPECT_TRUE(target.takeHit(shot));
    EXPECT_EQ(target.hp(), 0);
    EXPECT_TRUE(target.alive());

    GameObject enemy = objectAt(0, 0, 0, 10, 10);
    GameObject origin(0, 0, 0, 0);
    enemy.setHp(2000);
    enemy.sweepDamage(origin, 0, 0, 2, 1);
    EXPECT_EQ(enemy.hp(), 0);
    EXPECT_TRUE(enemy.alive());
    EXPECT_EQ(enemy.green(), 0);
    EXPECT_EQ(enemy.blue(), 0);
    EXPECT_EQ(enemy.red(), 255);
    enemy.sweepDamage(origin, 0, 0, 2, 1);
    EXPECT_FALSE(enemy.alive());
}

TEST(AngleDegrees, EveryQuadrantAndAxis) {
    struct Case { double dx, dy, expected; } cases[] = {
        {0, 0, 0},     {1, 0, 0},     {0, 3, 90},    {-1, 0, 180},   {0, -5, 270},
        {1, 1, 45},    {-1, 1, 135},  {-1, -1, 225}, {1, -1, 315},   {2, -0.0001, 359.99713},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(angleDegrees(c.dx, c.dy), c.expected, 1e-4) << c.dx << ", " << c.dy;
}

TEST(GameObject, CycleCellAndAdvanceStepAfter) {
    GameObject g(0, 0, 0, 0);
    g.setCell(2);
    g.cycleCell(4, 2, 5);  // timer 0: 0 modulo any period is 0
    EXPECT_EQ(g.cell(), 3);
    g.setTimer(3);
    g.cycleCell(4, 2, 5);
    EXPECT_EQ(g.cell(), 3);
    g.setTimer(8);
    g.setCell(5);
    g.cycleCell(4, 2, 5);
    EXPECT_EQ(g.cell(), 2);
    g.cycleCell(0, 2, 5);  // a zero period never turns (and never divides by zero)
    EXPECT_EQ(g.cell(), 2);

    GameObject s(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(s.advanceStepAfter(0));
    EXPECT_EQ(s.step(), 3);

    GameObject w(0, 0, 0, 0);
    w.toggleFlag();
    w.setTimer2(9);
    w.setTimer3(9);
    bool results[4];
    for (bool& r : results) r = w.advanceStepAfter(2);
    EXPECT_FALSE(results[0]);
    EXPECT_FALSE(results[1]);
    EXPECT_TRUE(results[2]);
    EXPECT_FALSE(results[3]);
    EXPECT_EQ(w.step(), 1);
    EXPECT_EQ(w.timer(), 1);
    EXPECT_EQ(w.timer2(), 0);
    EXPECT_EQ(w.timer3(), 0);
    EXPECT_TRUE(w.flag());
}

TEST(GameObject, MovesUseTheGameDegreeFactor) {
    GameObject g(0, 0, 0, 0);
    g.moveAlong(90, 10);
    EXPECT_NEAR(g.x(), std::cos(90 * 0.017444) * 10, 1e-6);
    EXPECT_NEAR(g.y(), 10, 1e-4);
    EXPECT_EQ(g.angle(), 0.0);

    GameObject v(0, 0, 0, 0);
    v.setAngle(180);
    v.setSpeed(2);
    v.aimVelocity();
    EXPECT_NEAR(v.vx(), -2, 1e-5);
    EXPECT_NEAR(v.vy(), std::sin(180 * 0.017444) * 2, 1e-6);
    v.moveX();
    v.moveY();
    EXPECT_NEAR(v.x(), -2, 1e-5);

    GameObject d(0, 0, 0, 0);
    d.setVx(0.5f);
    d.setVy(-1);
    d.setSpeed(4);
    d.moveScaled();
    EXPECT_FLOAT_EQ(d.x(), 2);
    EXPECT_FLOAT_EQ(d.y(), -4);
}

TEST(GameObject, AimVelocityAndSlowNearKeepTheVelocityOfKinds10_32_33) {
    for (int kind : {10, 32, 33}) {
        GameObject g = objectAt(kind, 0, 0, 10, 10);
        g.setSpeed(3);
        g.setVx(7);
        g.setVy(8);
        g.aimVelocity();
        EXPECT_EQ(g.vx(), 7) << kind;
        EXPECT_EQ(g.vy(), 8) << kind;
        GameObject near = objectAt(0, 1, 0, 10, 10);
        g.slowNear(near);
        EXPECT_EQ(g.speed(), 1) << kind;
        EXPECT_EQ(g.vx(), 7) << kind;
    }
}

TEST(GameObject, SlowNearAndKillOnTouchAtTheirThresholds) {
    // Radius 5 plus half the other's width (11 / 2 = 5): touching below 10.
    struct Case { float distance; bool touching; } cases[] = {
        {9.5f, true}, {10.0f, false}, {10.5f, false}, {0, true}};
    for (const Case& c : cases) {
        GameObject g = objectAt(0, 0, 0, 10, 10);
        GameObject other = objectAt(0, c.distance, 0, 11, 2);
        g.setAngle(0);
        g.setSpeed(9);
        g.slowNear(other);
        EXPECT_FLOAT_EQ(g.speed(), c.touching ? 3 : 9) << c.distance;
        EXPECT_FLOAT_EQ(g.vx(), g.speed()) << c.distance;
        g.killOnTouch(other);
        EXPECT_EQ(g.alive(), !c.touching) << c.distance;
    }
}

TEST(GameObject, Kind16UsesStrictBoxOverlap) {
    struct Case { float otherX; bool overlap; } cases[] = {{9.9f, true}, {10, false}, {-9.9f, true}, {-10, false}};
    for (const Case& c : cases) {
        GameObject g(0, 16, 0, 0);
        g.setShape(true, 10, 10, 0, 0, 10, 10);
        g.setSpeed(20);
        GameObject other(4, 0, c.otherX, 0);
        other.setShape(true, 10, 10, 0, 0, 10, 10);
        g.slowNear(other);
        EXPECT_FLOAT_EQ(g.speed(), c.overlap ? 1 : 20) << c.otherX;
        EXPECT_EQ(g.vx(), 0) << c.otherX;  // kind 16 leaves the velocity alone
        g.killOnTouch(other);
        EXPECT_EQ(g.alive(), !c.overlap) << c.otherX;
        GameObject k(0, 16, 0, 0);
        k.setShape(true, 10, 10, 0, 0, 10, 10);
        k.sweepTouch(other, 0, 0, 100, 3);
        EXPECT_TRUE(k.alive());
    }
}

TEST(GameObject, SweepTouchTruncatesEachStepOfTheRay) {
    // Origin centre (0, 0); steps of 2.5 reach 2, 4, 6 (not 2.5, 5, 7.5).
    GameObject origin = objectAt(0, 0, 0, 0, 0);
    struct Case { float step; int count; float targetX; bool killed; } cases[] = {
        {2.5f, 3, 12, false},   // nearest point 6: 6 - 5 = 1, outside
        {2.5f, 4, 12, true},    // point 8: 4 - 5 < 0
        {-2.5f, 3, -12, false}, // truncation toward zero on the negative side too
        {10, 1, 15, false},     // exactly on the edge: not below zero
        {10, 1, 14.5f, true},
    };
    for (const Case& c : cases) {
        GameObject g = objectAt(0, c.targetX, 0, 10, 10);
        g.sweepTouch(origin, c.step, 0, 0, c.count);
        EXPECT_EQ(g.alive(), !c.killed) << c.step << " x" << c.count << " at " << c.targetX;
    }
}

TEST(GameObject, SweepDamageStartsAtTheTopLeftAndHalvesTheSize) {
    GameObject origin(0, 0, 100, 0);
    origin.setShape(true, 64, 64, 0, 0, 0, 0);  // centre (132, 32), top-left (100, 0)
    struct Case { float targetX; int size; bool hit; } cases[] = {
        {110, 1, false},    // point (110, 0): 10 - 5 - 0 = 5
        {107, 6, true},     // 7 - 5 - 3 < 0 (from the centre it would miss)
        {107, 5, false},    // 7 - 5 - 2 = 0: the size is halved as an integer
    };
    for (const Case& c : cases) {
        GameObject g(0, 0, c.targetX - 5, -5);
        g.setShape(true, 10, 10, 0, 0, 10, 10);
        g.setHp(100);
        g.sweepDamage(origin, 0, 0, c.size, 1);
        EXPECT_EQ(g.hp(), c.hit ? -1900 : 100) << c.targetX << " size " << c.size;
        EXPECT_EQ(g.alive(), !c.hit);
        EXPECT_EQ(g.green(), c.hit ? 0 : 255);
    }
}

TEST(GameObject, AddValueToAddsTheReward) {
    GameObject g(0, 0, 0, 0);
    g.init(1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 250);
    int32_t score = 1000;
    g.addValueTo(&score);
    EXPECT_EQ(score, 1250);
}

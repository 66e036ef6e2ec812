// Map characters against the player's shots and against the craft.
#include "MapCharFixture.h"

namespace {

using MapCharContact = MapCharTest;

int countShots()
{
    int n = 0;
    for (GameObject* s = g_shotList; s; s = s->next)
        ++n;
    return n;
}

TEST_F(MapCharContact, ShotsWearDownARecordAndAreUsedUpByItsPower)
{
    // A spiral turret (hp 999999, power 1000, hit box 4-28) at screen (100, 100).
    MapChar& turret = add(5, 100, 100, 0, 0, 1000000);
    addShot(97, 97, 1, 7);     // box 97-105 overlaps the hit box's 104-128
    addShot(90, 90, 1, 100);   // box 90-98: outside
    GameObject* strong = addShot(120, 120, 5000, 3);
    steps(1);
    EXPECT_EQ(turret.hp, 999999 - 7 - 3);
    EXPECT_TRUE(turret.hitFlash);
    EXPECT_EQ(countShots(), 2) << "the weak shot is used up and removed";
    EXPECT_EQ(g_shotList->power(), 100);
    EXPECT_EQ(strong->hp(), 4000);

    // A shot whose box only reaches the hit box's edge does not touch it.
    emptyList(&g_shotList);
    int hp = turret.hp;
    addShot(96, 100, 1, 5);  // right edge 104 = the hit box's left edge
    steps(1);
    EXPECT_EQ(turret.hp, hp);
    EXPECT_EQ(countShots(), 1);
}

TEST_F(MapCharContact, TheShotThatDestroysARecordEndsTheScan)
{
    MapChar& block = add(0, 200, 200);
    GameObject* piercing = addShot(210, 210, 5000, 1);
    GameObject* behind = addShot(212, 212, 1, 1);
    steps(1);
    EXPECT_TRUE(block.dead);
    EXPECT_EQ(piercing->hp(), 4000);
    EXPECT_EQ(behind->hp(), 1) << "not tested once the block is gone";
    EXPECT_EQ(g_mapEmitterObject->x(), 200.0f) << "the explosion rises where the block was";
    EXPECT_EQ(g_mapEmitterObject->y(), 200.0f);

    // A destroying shot with nothing left is removed too.
    emptyList(&g_shotList);
    MapChar& second = add(0, 300, 200);
    addShot(310, 210, 1000, 1);
    steps(1);
    EXPECT_TRUE(second.dead);
    EXPECT_EQ(countShots(), 0);

    // Shots still hit while the world is frozen.
    MapChar& third = add(0, 400, 200);
    addShot(410, 210, 5000, 1);
    g_worldFrozen = true;
    steps(1);
    EXPECT_TRUE(third.dead);
}

TEST_F(MapCharContact, TheCraftBreaksBlocksAndIsHurtByWhatSurvivesItsTouch)
{
    // A block has 1 hit point: the craft's touch breaks it unharmed.
    MapChar& block = add(0, 100, 100);
    craftBoxAt(110, 110);
    steps(1);
    EXPECT_TRUE(block.dead);
    EXPECT_EQ(g_playerObject->hp(), 5000);
    EXPECT_EQ(g_playerObject->green(), 255);

    // A fixed turret outlasts the touch and deals its power every frame.
    MapChar& turret = add(4, 300, 100, 0, 0, 1000000);
    craftBoxAt(310, 110);
    steps(2);
    EXPECT_EQ(turret.hp, 9999999 - 2);
    EXPECT_EQ(g_playerObject->hp(), 3000);
    EXPECT_EQ(g_playerObject->green(), 0);
    EXPECT_EQ(g_playerObject->blue(), 0);
    EXPECT_FALSE(g_gameOver);

    // A frozen world protects the craft.
    g_worldFrozen = true;
    steps(3);
    EXPECT_EQ(g_playerObject->hp(), 3000);
    g_worldFrozen = false;

    // Below 1 hit point the game is over, once.
    steps(3);
    EXPECT_EQ(g_playerObject->hp(), 0);
    EXPECT_TRUE(g_gameOver);

    // Out of view nothing touches: the craft is at the turret, the view is not.
    camera(2000, 0);
    g_playerObject->setHp(5000);
    steps(1);
    EXPECT_EQ(g_playerObject->hp(), 5000);
}

}  // namespace

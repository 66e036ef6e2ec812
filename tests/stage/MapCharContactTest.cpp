// Map characters against the player's shots and against the craft.
#include "MapCharFixture.h"

namespace {

using MapCharContact = MapCharTest;

TEST_F(MapCharContact, ShotsWearRecordsDownAndTheDestroyingShotEndsTheScan)
{
    // A spiral turret (hp 999999, power 1000, hit box 104-128 on screen).
    MapChar& turret = add(5, 100, 100, 0, 0, 1000000);
    addShot(97, 97, 1, 7);               // overlaps by one pixel: used up
    GameObject* edge = addShot(96, 110, 1, 100);  // right edge on the hit box's left edge
    GameObject* strong = addShot(120, 120, 5000, 3);
    steps(1);
    EXPECT_EQ(turret.hp, 999999 - 7 - 3);
    EXPECT_EQ(listed(g_shotList), (std::vector<GameObject*>{edge, strong}));
    EXPECT_EQ(strong->hp(), 4000);

    // A block's one hit point goes to the first shot; the one behind it is not tested.
    emptyList(&g_shotList);
    MapChar& block = add(0, 200, 200);
    GameObject* piercing = addShot(210, 210, 5000, 1);
    GameObject* behind = addShot(212, 212, 1, 1);
    g_worldFrozen = true;  // shots hit while the world is frozen
    steps(1);
    EXPECT_TRUE(block.dead);
    EXPECT_EQ(piercing->hp(), 4000);
    EXPECT_EQ(behind->hp(), 1);
    EXPECT_EQ(g_mapEmitterObject->x(), 200.0f) << "the explosion rises where the block was";
}

TEST_F(MapCharContact, TheCraftBreaksBlocksAndIsHurtByWhatOutlastsItsTouch)
{
    MapChar& block = add(0, 100, 100);
    craftBoxAt(110, 110);
    steps(1);
    EXPECT_TRUE(block.dead) << "1 hit point against the craft's power 1";
    EXPECT_EQ(g_playerObject->hp(), 5000);

    add(4, 300, 100, 0, 0, 1000000);  // a fixed turret with 9999999 hit points
    craftBoxAt(310, 110);
    steps(2);
    EXPECT_EQ(g_playerObject->hp(), 3000);
    EXPECT_EQ(g_playerObject->green(), 0);
    g_worldFrozen = true;
    steps(3);
    EXPECT_EQ(g_playerObject->hp(), 3000) << "a frozen world does not hurt";
    g_worldFrozen = false;
    steps(3);
    EXPECT_EQ(g_playerObject->hp(), 0);
    EXPECT_TRUE(g_gameOver);
    camera(2000, 0);
    g_playerObject->setHp(5000);
    steps(1);
    EXPECT_EQ(g_playerObject->hp(), 5000) << "out of view nothing touches";
}

}  // namespace

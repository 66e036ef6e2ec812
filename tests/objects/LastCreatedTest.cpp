// The spawners remember the object they created last in their list.
#include <gtest/gtest.h>

#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/Shots.h"

TEST(LastCreated, SpawnShotRecordsEachNewShot) {
    GameObject craft(1, 0, 300, 200);
    g_lastShot = nullptr;
    GameObject* first = spawnShot(&craft, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(g_lastShot, first);
    GameObject* second = spawnShot(&craft, 1);
    EXPECT_EQ(g_lastShot, second);
    EXPECT_EQ(spawnShot(&craft, 20), nullptr);  // no such kind: nothing created
    EXPECT_EQ(g_lastShot, second);
    emptyList(&g_shotList);
    g_lastShot = nullptr;
}

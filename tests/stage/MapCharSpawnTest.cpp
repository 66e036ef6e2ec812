// Map characters waking as they scroll into view, and the hatches and
// generators releasing their enemies on their frames.
#include "MapCharFixture.h"
#include "enemies/EnemySpawn.h"

namespace {

class MapCharSpawn : public MapCharTest {
protected:
    // The frames of n on which the table released an enemy; between frames
    // hiddenFrom and hiddenTo the view is elsewhere.
    static std::vector<int> releaseFrames(int n, int hiddenFrom = 0, int hiddenTo = 0)
    {
        std::vector<int> frames;
        for (int frame = 0; frame < n; ++frame) {
            camera(frame >= hiddenFrom && frame < hiddenTo ? 5000 : 0, 0);
            size_t before = enemies().size();
            mapCharsStep();
            if (enemies().size() > before)
                frames.push_back(frame);
        }
        return frames;
    }
};

TEST_F(MapCharSpawn, AGeneratorWakesOnItsFirstFrameInViewOnceItsClockHasPassed)
{
    add(22, 1000, 100);  // enemy kind 2, one enemy
    add(22, 0, 200);     // out of view at screen x = -width
    camera(360, 0);      // the first at screen x 640
    steps(3);
    EXPECT_TRUE(enemies().empty());
    camera(361, 0);
    steps(1);
    ASSERT_EQ(enemies().size(), 1u);
    EXPECT_EQ(enemies()[0]->x(), 639.0f);
    EXPECT_EQ(enemies()[0]->y(), 100.0f);

    // Speed 4 against param2 40: the clock first exceeds it on the 12th frame.
    freeMapCharacters();
    add(22, 300, 100, 0, 0, 40);
    EXPECT_EQ(releaseFrames(12), (std::vector<int>{11}));
}

TEST_F(MapCharSpawn, AGeneratorReleasesEvery32OnScreenFramesParam1PlusOneTimes)
{
    MapChar& gen = add(23, 200, 100, 0, 99);  // param1 99 / 33 = 3
    EXPECT_EQ(releaseFrames(200, 40, 60), (std::vector<int>{0, 32, 84, 116}));
    EXPECT_TRUE(gen.dead);

    // A boss clears the field; kinds outside the enemy table release nothing.
    freeMapCharacters();
    emptyList(&g_enemyList);
    spawnEnemy(2, 10, 10, 0);
    add(20 + kEnemyKinds, 100, 100);
    add(-2147483647 - 1, 100, 100);
    steps(1);
    EXPECT_EQ(enemies().size(), 1u);
    add(27, 100, 100);
    steps(1);
    ASSERT_EQ(enemies().size(), 1u);
    EXPECT_EQ(enemies()[0]->kind(), 7);
}

TEST_F(MapCharSpawn, AHatchOpensTenTimesInEachOfTwoWindowsThenCloses)
{
    add(0, 0, 400);  // a block first, so the hatch is record 1
    MapChar& hatch = add(3, 100, 50, 1, 66);
    std::vector<int> expected;
    for (int k = 0; k < 10; ++k)
        expected.push_back(32 * k);
    for (int k = 0; k < 10; ++k)
        expected.push_back(480 + 32 * k);
    EXPECT_EQ(releaseFrames(1502), expected);
    EXPECT_TRUE(hatch.dead);
    EXPECT_EQ(hatch.phase, 1501);

    GameObject* runner = enemies()[0];
    EXPECT_EQ(runner->kind(), 14);
    EXPECT_EQ(runner->x(), 148.0f);
    EXPECT_EQ(runner->y(), 50.0f);
    EXPECT_EQ(runner->ownerIndex(), 1);
    EXPECT_EQ(runner->timer2(), 64) << "32 frames per unit of the hatch's param1 (66 / 33)";
}

}  // namespace

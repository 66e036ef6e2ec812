// Map characters waking as they scroll into view, and the hatches and
// generators releasing their enemies on their frames.
#include "MapCharFixture.h"
#include "enemies/EnemySpawn.h"

namespace {

using MapCharSpawn = MapCharTest;

TEST_F(MapCharSpawn, AGeneratorWakesOnItsFirstFrameInViewAfterItsClock)
{
    // Generator of enemy kind 2, one enemy, 1000 pixels into the map.
    MapChar& gen = add(22, 1000, 100);
    camera(360, 0);  // screen x 640: just outside
    steps(3);
    EXPECT_TRUE(enemies().empty());
    camera(361, 0);  // screen x 639
    steps(1);
    ASSERT_EQ(enemies().size(), 1u);
    EXPECT_EQ(enemies()[0]->kind(), 2);
    EXPECT_EQ(enemies()[0]->x(), 639.0f);
    EXPECT_EQ(enemies()[0]->y(), 100.0f);
    EXPECT_TRUE(gen.dead) << "param1 0: one enemy and gone";

    // From the left the record is out of view at screen x = -width (-1 here).
    freeMapCharacters();
    emptyList(&g_enemyList);
    add(22, 0, 100);
    camera(1, 0);
    steps(3);
    EXPECT_TRUE(enemies().empty());

    // With param2 40 and speed 4 the clock first exceeds it on the 12th step.
    freeMapCharacters();
    camera(0, 0);
    add(22, 300, 100, 0, 0, 40);
    steps(11);
    EXPECT_TRUE(enemies().empty());
    steps(1);
    EXPECT_EQ(enemies().size(), 1u);
}

TEST_F(MapCharSpawn, AGeneratorReleasesOneEnemyEvery32OnScreenFramesThenDies)
{
    MapChar& gen = add(23, 200, 100, 0, 99);  // kind 3; param1 99 / 33 = 3 more after the first
    std::vector<int> releases;
    for (int frame = 0; frame < 200; ++frame) {
        // Frames 40-59 the view is elsewhere: they do not count.
        camera(frame >= 40 && frame < 60 ? 5000 : 0, 0);
        size_t before = enemies().size();
        mapCharsStep();
        if (enemies().size() > before)
            releases.push_back(frame);
    }
    EXPECT_EQ(releases, (std::vector<int>{0, 32, 84, 116}));
    EXPECT_TRUE(gen.dead);
    for (GameObject* e : enemies())
        EXPECT_EQ(e->kind(), 3);

    // A frozen world stops the releases, not the clock.
    freeMapCharacters();
    emptyList(&g_enemyList);
    camera(0, 0);
    MapChar& late = add(22, 200, 100, 0, 0, 7);
    g_worldFrozen = true;
    steps(5);
    EXPECT_EQ(late.clock, 20);
    EXPECT_TRUE(enemies().empty());
    g_worldFrozen = false;
    steps(1);
    EXPECT_EQ(enemies().size(), 1u);
}

TEST_F(MapCharSpawn, BossGeneratorsClearTheFieldAndUnknownKindsReleaseNothing)
{
    spawnEnemy(2, 10, 10, 0);
    spawnEnemy(3, 20, 10, 0);
    add(27, 100, 100);  // boss kind 7
    steps(1);
    ASSERT_EQ(enemies().size(), 1u);
    EXPECT_EQ(enemies()[0]->kind(), 7);

    // Kinds past the enemy table, and types whose kind would be negative.
    freeMapCharacters();
    emptyList(&g_enemyList);
    spawnEnemy(2, 10, 10, 0);
    MapChar& far = add(20 + kEnemyKinds, 100, 100);
    MapChar& low = add(-2147483647 - 1, 100, 100);
    add(8, 100, 100);
    steps(2);
    EXPECT_EQ(enemies().size(), 1u) << "nothing released, the field untouched";
    EXPECT_TRUE(far.dead);
    EXPECT_TRUE(low.dead);
}

TEST_F(MapCharSpawn, AHatchOpensTenTimesInEachOfTwoWindowsThenCloses)
{
    add(0, 0, 400);  // a block first, so the hatch is not at index 0
    MapChar& hatch = add(3, 100, 50, 1, 66);
    std::vector<int> releases;
    std::vector<float> us;
    for (int frame = 0; frame < 1600 && !hatch.dead; ++frame) {
        g_mapEmitterObject->setOwnerIndex(-1);
        size_t before = enemies().size();
        mapCharsStep();
        if (enemies().size() > before) {
            releases.push_back(frame);
            us.push_back(hatch.u);
            EXPECT_EQ(g_mapEmitterObject->ownerIndex(), 1);
        }
    }
    // The clock passes param2 (-1) at once; phase counts from the first action.
    std::vector<int> expected;
    for (int k = 0; k < 10; ++k)
        expected.push_back(32 * k);
    for (int k = 0; k < 10; ++k)
        expected.push_back(480 + 32 * k);
    EXPECT_EQ(releases, expected);
    EXPECT_TRUE(hatch.dead);
    EXPECT_EQ(hatch.phase, 1501);
    ASSERT_GE(us.size(), 2u);
    EXPECT_FLOAT_EQ(us[0], 0.75f) << "the lid's second cell on the right half";
    EXPECT_FLOAT_EQ(us[1], 0.5f);

    GameObject* runner = enemies()[0];
    EXPECT_EQ(runner->kind(), 14);
    EXPECT_EQ(runner->x(), 148.0f);
    EXPECT_EQ(runner->y(), 50.0f);
    EXPECT_EQ(runner->ownerIndex(), 1);
    EXPECT_EQ(runner->timer2(), 64) << "32 frames per unit of the hatch's param1 (66 / 33)";
}

}  // namespace

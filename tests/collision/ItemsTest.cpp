// Items: where they scatter, how they drift and scroll away, how the craft
// collects them, and which picture they show.
#include "CollisionFixture.h"

#include <cmath>
#include <memory>

#include "graphics/TextureSets.h"

namespace {

GameObject source(float x, float y, int size)
{
    GameObject obj(0, 0, x, y);
    obj.init(size, size, 0, 0, size, size, 0, 1, 1, 0, 0, 255, 0, 0);
    return obj;
}

double distance(const GameObject& item, float cx, float cy)
{
    return std::hypot(item.x() - cx, item.y() - cy);
}

}  // namespace

TEST_F(CollisionTest, ItemsScatterOnRingsAroundTheSourcesCentre)
{
    const GameObject enemyAt = source(101.5f, 200, 33);  // centre (117.5, 216)
    spawnItems(&enemyAt, 0, 7);
    const std::vector<GameObject*> found = items();
    ASSERT_EQ(found.size(), 7u);
    EXPECT_FLOAT_EQ(found[0]->x(), 133.5f) << "ring 1, point 0: 16 to the right";
    EXPECT_FLOAT_EQ(found[0]->y(), 216);
    EXPECT_NEAR(distance(*found[5], 117.5f, 216), 16, 1.5);
    EXPECT_FLOAT_EQ(found[6]->x(), 149.5f) << "ring 2 starts at 32 to the right";
}

TEST_F(CollisionTest, ScattersBeyondTheRingsReuseTheOuterRingAndBadRequestsSpawnNothing)
{
    const GameObject boss = source(300, 200, 64);
    spawnItems(&boss, 0, 500);
    const std::vector<GameObject*> found = items();
    ASSERT_EQ(found.size(), 500u);
    for (int i = 409; i < 500; ++i) {
        const GameObject& same = *found[340 + (i - 409) % 69];
        EXPECT_EQ(found[i]->x(), same.x()) << i;
        EXPECT_EQ(found[i]->y(), same.y()) << i;
    }
    EXPECT_NEAR(distance(*found[499], 332, 232), 176, 1.5);

    emptyList(&g_itemList);
    spawnItems(&boss, 1, 3);
    spawnItems(&boss, -1, 3);
    spawnItems(nullptr, 0, 3);
    spawnItems(&boss, 0, 0);
    spawnItems(&boss, 0, -4);
    EXPECT_EQ(g_itemList, nullptr);
}

TEST_F(CollisionTest, AnItemDriftsRightSlowsRestsThenScrollsLeftEverFaster)
{
    spawnItems(&craft(), 0, 1);
    GameObject& item = *g_itemList;
    item.setX(100);
    std::vector<float> steps;
    for (int update = 1; update <= 121; ++update) {
        const float before = item.x();
        itemPass();
        steps.push_back(item.x() - before);
    }
    for (int update = 1; update <= 121; ++update) {
        const float want = update < 20 ? 3 : update < 40 ? 2 : update < 60 ? 1 : update < 80 ? 0
                         : update < 100 ? -1 : update < 120 ? -2 : -3;
        EXPECT_FLOAT_EQ(steps[update - 1], want) << "update " << update;
    }
    EXPECT_FLOAT_EQ(100 + steps[0] * 19 + 2 * 20 + 1 * 20, 217);
    EXPECT_EQ(item.anim(), 0) << "the picture has turned six times";
}

TEST_F(CollisionTest, AnItemIsRemovedOnlyOnceItHasPassedTheLeftEdge)
{
    spawnItems(&craft(), 0, 2);
    GameObject* atEdge = g_itemList;
    GameObject* past = atEdge->next;
    atEdge->setX(-32);
    past->setX(-32.5f);
    itemPass();
    ASSERT_EQ(g_itemList, atEdge);
    EXPECT_EQ(atEdge->next, nullptr);
    EXPECT_FLOAT_EQ(atEdge->x(), -29) << "items keep moving while the world is frozen too";

    g_worldFrozen = true;
    itemPass();
    EXPECT_FLOAT_EQ(atEdge->x(), -26);
}

TEST_F(CollisionTest, TheCraftCollectsItemsItsBoxTouchesForScoreWithOneSound)
{
    // The craft's box ends at x 341; an item's box begins 40 left of it.
    const GameObject at = source(0, 0, 0);
    spawnItems(&at, 0, 4);
    const float xs[4] = {381, 380.9f, 300, 340};
    int i = 0;
    for (GameObject* item = g_itemList; item; item = item->next, ++i) {
        item->setX(xs[i]);
        item->setY(232);
    }
    GameObject* outOfReach = g_itemList;
    collectItems();
    EXPECT_EQ(g_itemList, outOfReach);
    EXPECT_EQ(count(g_itemList), 1);
    EXPECT_EQ(g_score, 36);
    EXPECT_EQ(g_itemsCollected, 3);
    EXPECT_EQ(craft().hp(), 20000);
    EXPECT_EQ(craft().green(), 255) << "collecting does not tint the craft";
    EXPECT_EQ(soundsPlayed(10), 1);

    collectItems();
    EXPECT_EQ(soundsPlayed(10), 1) << "no sound for a pass that collects nothing";
}

TEST_F(CollisionTest, ItemsShowTheirFourPicturesFromThePowerSheet)
{
    // One texel per cell of the 16 x 16 grid: the item pictures are cells
    // 8-11 of row 8.
    const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
    auto sheet = std::make_unique<platform::Texture>(16, 16, false);
    std::fill_n(sheet->pixels(), 256, 0xFF808080u);
    for (int a = 0; a < 4; ++a)
        sheet->pixels()[8 * 16 + 8 + a] = colours[a];
    platform::Texture* set[1] = {sheet.get()};
    platform::Texture** keptSet = g_texPower;
    const int keptCount = g_texPowerCount;
    g_texPower = set;
    g_texPowerCount = 1;

    for (int a = 0; a < 4; ++a) {
        emptyList(&g_itemList);
        spawnItems(&craft(), 0, 1);
        g_itemList->setX(100);
        g_itemList->setY(100);
        g_itemList->setAnim(static_cast<float>(a));
        beginSceneFrame();
        setSpriteStates();
        setPointMagFilter();
        g_worldFrozen = true;
        itemPass();
        EXPECT_EQ(device.backBuffer()[108 * 640 + 108] | 0xFF000000u, colours[a]) << a;
    }
    g_texPower = keptSet;
    g_texPowerCount = keptCount;
}

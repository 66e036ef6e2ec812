// The effects that serve the craft: release burst and cut-in, hit-box marker,
// slowing field and travelling orb.
#include "EffectFixture.h"

#include <algorithm>

#include "player/Shots.h"

TEST_F(EffectTest, TheReleaseBurstShrinksAroundTheCraftForThirteenFrames)
{
    spawnBackEffect(&craft(), 4);
    std::vector<int> sizes;
    while (g_effectBackList) {
        sizes.push_back(g_effectBackList->width());
        effectPass(&g_effectBackList);
        if (g_effectBackList) {
            EXPECT_FLOAT_EQ(g_effectBackList->x(), 300 - g_effectBackList->width() / 2 + 120);
            EXPECT_FLOAT_EQ(g_effectBackList->y(), 200 - g_effectBackList->height() / 2 + 30);
        }
    }
    ASSERT_EQ(sizes.size(), 13u);
    EXPECT_EQ(sizes.front(), 1280);
    EXPECT_EQ(sizes[1], 1180);
    EXPECT_EQ(sizes.back(), 80);
}

TEST_F(EffectTest, TheCutInFadesOutAndEndsTheCraftsShieldHalfWay)
{
    g_character = 1;
    g_releaseInvulnerable = true;
    spawnBackEffect(&craft(), 9);
    for (int i = 0; i < 64; ++i)
        effectPass(&g_effectBackList);
    EXPECT_TRUE(g_releaseInvulnerable);
    EXPECT_EQ(g_effectBackList->alpha(), 127);
    effectPass(&g_effectBackList);
    EXPECT_FALSE(g_releaseInvulnerable);
    EXPECT_EQ(framesUntilEmpty(&g_effectBackList), 102 - 65);

    // The narrow strip of character 1 comes from the sheet's second column.
    spawnBackEffect(&craft(), 9);
    frame();
    effectPass(&g_effectBackList);
    Texel strip = texelAt(576, 100);
    EXPECT_EQ(strip.tag, 14);
    EXPECT_NEAR(strip.u, 64 + 32, 1);
    EXPECT_EQ(texelAt(256, 100).tag, 15);
}

TEST_F(EffectTest, TheHitBoxMarkerTakesTheBoxSizeThenFollowsUntilTheToggleIsOff)
{
    g_toggleOn = true;
    spawnEffect(&craft(), 21);
    GameObject* marker = g_effectFrontList;
    frame();
    EXPECT_EQ(marker->width(), 5);
    EXPECT_EQ(marker->height(), 5);
    craft().setX(100);
    frame();
    EXPECT_FLOAT_EQ(marker->x(), 136);
    EXPECT_FLOAT_EQ(marker->y(), 233);
    g_toggleOn = false;
    frame();
    EXPECT_EQ(g_effectFrontList, nullptr);
}

TEST_F(EffectTest, TheSlowingFieldGrowsPulsesAndGivesBulletsBackTheirSpeed)
{
    GameObject* bullet = spawnInto(&g_bulletList, nullptr, 4, 0, 900, 900);
    bullet->init(16, 16, 0, 0, 16, 16, 0, 1, 1, 6, 0, 255, 0, 0);
    bullet->setSpeed(6);
    g_subWeaponBusy[4] = true;
    g_gauge = 500;
    spawnEffect(&craft(), 22);
    GameObject* field = g_effectFrontList;
    std::vector<int> widths;
    for (int i = 0; i < 60; ++i) {
        frame();
        widths.push_back(field->width());
    }
    // It stops growing once wider than 255: 8 + 31 x 8 = 256.
    EXPECT_EQ(widths[30], 256);
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), 256);
    EXPECT_EQ(*std::min_element(widths.begin() + 31, widths.end()), 200);
    EXPECT_FLOAT_EQ(field->x(), 300 + 38 - field->width() / 2);
    EXPECT_FLOAT_EQ(field->hitRight(), static_cast<float>(field->width()));
    EXPECT_FLOAT_EQ(g_gauge, 440);  // one point a frame

    // A bullet inside the field is slowed; letting go restores it.
    bullet->setX(330);
    bullet->setY(230);
    frame();
    EXPECT_FLOAT_EQ(bullet->speed(), 2);
    g_subWeaponBusy[4] = false;
    frame();
    EXPECT_EQ(g_effectFrontList, nullptr);
    EXPECT_FLOAT_EQ(bullet->speed(), 6);
    EXPECT_FLOAT_EQ(bullet->vx(), 6);

    // A gauge that cannot pay ends the field after one frame and frees the latch.
    g_subWeaponBusy[4] = true;
    g_gauge = 0;
    spawnEffect(&craft(), 22);
    frame();
    EXPECT_EQ(g_effectFrontList, nullptr);
    EXPECT_FALSE(g_subWeaponBusy[4]);
}

TEST_F(EffectTest, TheOrbBecomesAPillarWhereverItIsLetGoButIsLostOffScreen)
{
    g_subWeaponBusy[7] = true;
    spawnEffect(&craft(), 31);
    GameObject* orb = g_effectFrontList;
    frames(3);
    EXPECT_FLOAT_EQ(orb->x(), 300 + 45);
    g_subWeaponBusy[7] = false;
    frame();
    EXPECT_EQ(g_effectFrontList, nullptr);
    ASSERT_NE(g_shotList, nullptr);
    EXPECT_EQ(g_shotList->kind(), 21);
    EXPECT_EQ(countLog("\"type\":\"sound\",\"n\":9,"), 1);
    emptyList(&g_shotList);

    // Held to the edge: 300 + 15 x 23 = 645 reaches it after 23 updates.
    g_subWeaponBusy[7] = true;
    spawnEffect(&craft(), 31);
    EXPECT_EQ(framesUntilEmpty(&g_effectFrontList), 24);
    EXPECT_EQ(g_shotList, nullptr);
    g_subWeaponBusy[7] = false;
}

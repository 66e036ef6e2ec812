// Where effects are born, how the pass draws them, and how long each one-shot
// animation is on screen.
#include "EffectFixture.h"

#include "text/Conversation.h"

TEST_F(EffectTest, EffectsAreCentredOnTheirSourceUnlessGivenAPlace)
{
    GameObject source(0, 0, 100, 50);
    source.setShape(true, 64, 64, 0, 0, 64, 64);

    spawnBackEffect(&source, 3);  // 16 x 16
    ASSERT_EQ(kinds(g_effectBackList), (std::vector<int>{3}));
    EXPECT_EQ(g_lastEffectBack, g_effectBackList);
    EXPECT_FLOAT_EQ(g_effectBackList->x(), 124);
    EXPECT_FLOAT_EQ(g_effectBackList->y(), 74);
    EXPECT_EQ(g_effectBackList->category(), 5);

    // Halving rounds toward zero: a 128 x 128 explosion on a 1 x 1 source
    // starts 63 pixels up and left, not 63.5.
    GameObject dot(0, 0, 200, 200);
    dot.setShape(true, 1, 1, 0, 0, 1, 1);
    spawnEffect(&dot, 36);
    EXPECT_FLOAT_EQ(g_lastEffectFront->x(), 137);
    EXPECT_EQ(g_lastEffectFront->category(), 3);

    spawnEffectAt(&source, 200, 0, 0);  // (0, 0) still centres
    EXPECT_FLOAT_EQ(g_lastEffectFront->x(), 116);
    EXPECT_FLOAT_EQ(g_lastEffectFront->y(), 66);
    spawnEffectAt(&source, 200, 30, -40);
    EXPECT_FLOAT_EQ(g_lastEffectFront->x(), 30);
    EXPECT_FLOAT_EQ(g_lastEffectFront->y(), -40);

    // The burst is placed by the craft, the cut-in at the corner, the page
    // marker by the window being typed into.
    spawnBackEffect(&source, 4);
    EXPECT_FLOAT_EQ(g_lastEffectBack->x(), 300 - 640 + 80);
    EXPECT_FLOAT_EQ(g_lastEffectBack->y(), 200 - 640 + 20);
    spawnBackEffect(&source, 9);
    EXPECT_FLOAT_EQ(g_lastEffectBack->x(), 0);
    EXPECT_FLOAT_EQ(g_lastEffectBack->y(), 0);
    for (int side : {0, 1}) {
        g_messageSide = side;
        spawnEffect(&source, 23);
        EXPECT_FLOAT_EQ(g_lastEffectFront->x(), side ? 490 : 618);
        EXPECT_FLOAT_EQ(g_lastEffectFront->y(), side ? 442 : 160);
    }
    g_messageSide = 0;
}

TEST_F(EffectTest, KindsWithoutARowAndMissingSourcesCreateNothing)
{
    for (int kind : {-1, 0, 1, 2, 13, 19, 20, 29, 34, 39, 199, 999, 1001, 2101})
        spawnEffect(&craft(), kind);
    spawnBackEffect(&craft(), 30);
    spawnEffectAt(&craft(), 100000, 5, 5);
    spawnEffect(nullptr, 6);
    spawnBackEffect(nullptr, 9);
    EXPECT_EQ(g_effectFrontList, nullptr);
    EXPECT_EQ(g_effectBackList, nullptr);
    effectPass(nullptr);  // no list at all: nothing to walk
}

TEST_F(EffectTest, OneShotAnimationsAreDrawnHoldTimesTheirFrames)
{
    struct Case {
        int kind, drawn;
    };
    const Case cases[] = {{3, 14},  {5, 14},  {6, 24},  {7, 24},  {8, 24},
                          {18, 48}, {24, 30}, {25, 30}, {35, 24}, {36, 32},
                          {38, 16}, {200, 16}, {201, 16}};
    for (const Case& c : cases) {
        spawnEffect(&craft(), c.kind);
        EXPECT_EQ(framesUntilEmpty(&g_effectFrontList), c.drawn) << c.kind;
    }
    // The same on the back list.
    spawnBackEffect(&craft(), 6);
    EXPECT_EQ(framesUntilEmpty(&g_effectBackList), 24);
}

TEST_F(EffectTest, AnEffectThatEndsMidListLeavesItsNeighboursToBeUpdated)
{
    for (int i = 0; i < 3; ++i)
        spawnEffect(&craft(), 3);
    GameObject* first = g_effectFrontList;
    GameObject* last = first->next->next;
    first->next->setAnim(6);  // last frame, last hold: ends on this update
    first->next->setCell(1);
    effectPass(&g_effectFrontList);
    ASSERT_EQ(g_effectFrontList, first);
    EXPECT_EQ(first->next, last);
    EXPECT_EQ(last->prev, first);
    EXPECT_EQ(first->cell(), 1);
    EXPECT_EQ(last->cell(), 1);
}

TEST_F(EffectTest, ThePassDrawsTheCurrentFrameOfTheKindsCell)
{
    GameObject source(0, 0, 100, 100);
    source.setShape(true, 64, 64, 0, 0, 64, 64);
    spawnEffect(&source, 6);  // entry 2, row v 0.125, additive
    frames(3 * 3);            // three frames of hold 3: now frame 3
    EXPECT_FLOAT_EQ(g_effectFrontList->anim(), 3);
    frame();
    // Cell 3 of a 256 texel sheet with 1/8 cells: u 96-128, v 32-64; the
    // quad sits half a pixel up and left of the effect.
    Texel t = texelAt(132, 132);
    EXPECT_EQ(t.tag, kTagEffect + 2);
    EXPECT_NEAR(t.u, 112, 1);
    EXPECT_NEAR(t.v, 48, 1);
    EXPECT_EQ(texelAt(99, 132).tag, 0);
    EXPECT_EQ(texelAt(164, 132).tag, 0);

    // A kind on another sheet: the contact spark, power sheet row v 0.8125.
    emptyList(&g_effectFrontList);
    spawnEffect(&source, 200);
    frame();
    t = texelAt(132, 132);
    EXPECT_EQ(t.tag, kTagPower);
    EXPECT_NEAR(t.v, 0.8125 * 256 + 8, 1);
}

TEST_F(EffectTest, TheExplosionSourceReleasesFourBossExplosionsAndEndsOnItsHundredAndSecondUpdate)
{
    spawnEffect(&craft(), 37);
    std::vector<int> releasedOn;
    for (int update = 1; update <= 102; ++update) {
        ASSERT_NE(find(37), nullptr) << update;
        effectPass(&g_effectFrontList);
        // A new explosion is reached in the same pass and has had one update.
        for (GameObject* e = g_effectFrontList; e; e = e->next)
            if (e->kind() == 36 && e->cell() == 1 && e->anim() == 0)
                releasedOn.push_back(update);
    }
    EXPECT_EQ(find(37), nullptr);
    EXPECT_EQ(releasedOn, (std::vector<int>{1, 31, 61, 91}));
}

TEST_F(EffectTest, TheBossFlashCoversTheScreenForFortyTwoFrames)
{
    spawnBackEffect(&craft(), 26);
    effectPass(&g_effectBackList);
    EXPECT_EQ(g_effectBackList->width(), 640);
    EXPECT_FLOAT_EQ(g_effectBackList->x(), 0);
    EXPECT_EQ(framesUntilEmpty(&g_effectBackList), 41);
}

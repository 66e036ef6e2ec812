// Sub-weapon latches and payments, and the toggle.
#include "PlayerFixture.h"
#include "player/ShotRules.h"

using platform::Key;

TEST_F(PlayerTest, ShotSubWeaponsCannotFireAgainUntilTheirShotEnds)
{
    struct Case {
        int type;
        int kind;
        float cost;
    };
    const Case cases[] = {{0, 13, 300}, {1, 11, 150}, {2, 12, 120}, {3, 15, 250}, {6, 17, 600}};
    for (const Case& c : cases) {
        resetForNewGame();
        g_subWeapon = c.type;
        g_gaugeMax = 5000;
        g_gauge = 5000;
        key(Key::Ctrl, true);
        frame();
        EXPECT_EQ(countShots(c.kind), 1) << c.type;
        EXPECT_TRUE(g_subWeaponBusy[c.type]) << c.type;
        key(Key::Ctrl, false);
        frame();
        key(Key::Ctrl, true);
        frame();
        EXPECT_EQ(countShots(c.kind), 1) << c.type;
        EXPECT_FLOAT_EQ(g_gauge, 5000 - c.cost) << c.type;
        key(Key::Ctrl, false);
        int n = 0;
        while (g_subWeaponBusy[c.type] && n < 1000) {
            frame();
            ++n;
        }
        EXPECT_LT(n, 1000) << c.type;
        frame();
        EXPECT_EQ(countShots(c.kind), 0) << c.type;
        key(Key::Ctrl, true);
        frame();
        EXPECT_EQ(countShots(c.kind), 1) << c.type;
        EXPECT_FLOAT_EQ(g_gauge, 5000 - 2 * c.cost) << c.type;
        key(Key::Ctrl, false);
    }
}

TEST_F(PlayerTest, HoldingTheButtonRetriesUntilTheGaugeSuffices)
{
    g_subWeapon = 0;
    g_gauge = 299;
    key(Key::Ctrl, true);
    frames(3);
    EXPECT_EQ(countShots(13), 0);
    EXPECT_FALSE(g_subWeaponBusy[0]);
    g_gauge = 300;
    frame();
    EXPECT_EQ(countShots(13), 1);
    EXPECT_FLOAT_EQ(g_gauge, 0);
}

TEST_F(PlayerTest, EffectSubWeaponsPayOncePerPress)
{
    struct Case {
        int type;
        float cost;
    };
    for (const Case& c : {Case{4, 1}, Case{7, 50}}) {
        resetForNewGame();
        g_subWeapon = c.type;
        key(Key::Ctrl, true);
        frames(5);
        EXPECT_TRUE(g_subWeaponBusy[c.type]);
        EXPECT_FLOAT_EQ(g_gauge, 800 - c.cost) << c.type;
        key(Key::Ctrl, false);
        frame();
        EXPECT_FALSE(g_subWeaponBusy[c.type]) << c.type;
        key(Key::Ctrl, true);
        frame();
        EXPECT_FLOAT_EQ(g_gauge, 800 - 2 * c.cost) << c.type;
        key(Key::Ctrl, false);
    }
}

TEST_F(PlayerTest, BarrierPaysEveryFrameAndEndsWithTheButtonOrTheGauge)
{
    struct Case {
        float gauge;
        int framesDown;
        float gaugeAfter;
        bool outAfter;  // still circling when the frames are done
    };
    const Case cases[] = {
        {800, 1, 697, true},  // 100 to summon, 3 for its first frame
        {800, 3, 691, true},
        {104, 1, 1, true},
        {104, 2, 1, false},   // cannot pay 3: gone, and the button retries in vain
        {104, 4, 1, false},
    };
    for (const Case& c : cases) {
        resetForNewGame();
        g_subWeapon = 5;
        g_gauge = c.gauge;
        key(Key::Ctrl, true);
        frames(c.framesDown);
        EXPECT_EQ(countShots(19), c.outAfter ? 1 : 0) << c.gauge << " " << c.framesDown;
        EXPECT_FLOAT_EQ(g_gauge, c.gaugeAfter) << c.gauge << " " << c.framesDown;
        key(Key::Ctrl, false);
        frame();
        EXPECT_EQ(countShots(19), 0);
        EXPECT_FALSE(g_subWeaponBusy[5]);
        EXPECT_FLOAT_EQ(g_gauge, c.gaugeAfter);
    }
}

TEST_F(PlayerTest, BarrierCirclesTheCraftAndRemovesBulletsItTouches)
{
    g_subWeapon = 5;
    GameObject* near = addTo(&g_bulletList, 4, 380, 240, 4);
    GameObject* far = addTo(&g_bulletList, 4, 20, 20, 4);
    key(Key::Ctrl, true);
    frame();
    EXPECT_FALSE(near->alive());
    EXPECT_TRUE(far->alive());
    auto barrier = shots(19);
    ASSERT_EQ(barrier.size(), 1u);
    // 12 degrees a frame at radius 64 around the craft's corner.
    for (int n = 0; n < 10; ++n) {
        frame();
        float dx = barrier[0]->x() - craft().x();
        float dy = barrier[0]->y() - craft().y();
        EXPECT_NEAR(dx * dx + dy * dy, 64.0f * 64.0f, 1.0f);
    }
    EXPECT_DOUBLE_EQ(barrier[0]->angle(), 7 + 12 * 11);
}

TEST_F(PlayerTest, ToggleFlipsOncePerPress)
{
    const bool want[] = {true, true, true, false, false, true};
    const bool down[] = {true, true, false, true, false, true};
    for (int i = 0; i < 6; ++i) {
        key(Key::Space, down[i]);
        frame();
        EXPECT_EQ(g_toggleOn, want[i]) << i;
    }
}

TEST_F(PlayerTest, SpecialAttackPaysSevenHundredAndFreezesTheWorld)
{
    g_gauge = 699;
    key(Key::C, true);
    frame();
    EXPECT_EQ(g_specialInUse, 0);
    EXPECT_FALSE(g_worldFrozen);
    g_gauge = 1000;
    frame();
    EXPECT_EQ(g_specialInUse, 1);
    EXPECT_TRUE(g_worldFrozen);
    EXPECT_FLOAT_EQ(g_gauge, 300);
    frame();
    EXPECT_FLOAT_EQ(g_gauge, 300);
}

// Charge levels of the two shot buttons, the double charge and its release,
// and the gauge that pays for them.
#include "PlayerFixture.h"

using platform::Key;

namespace {

struct Release {
    int framesHeld;
    int pellets;     // shot A: homing pellets
    int chargedKind; // shot B: the kind fired on release, -1 for none
    float cost;
    bool flash;
};

}  // namespace

TEST_F(PlayerTest, ShotAReleaseFiresPelletsByChargeLevel)
{
    const Release cases[] = {
        {1, 0, -1, 0, false},   {26, 0, -1, 0, false},  {27, 3, -1, 10, false},
        {53, 3, -1, 10, false}, {54, 6, -1, 40, false}, {89, 6, -1, 40, false},
        {90, 10, -1, 100, true}, {300, 10, -1, 100, true},
    };
    for (const Release& c : cases) {
        resetForNewGame();
        key(Key::Z, true);
        frame();
        EXPECT_EQ(countShots(0), 1) << c.framesHeld;
        frames(c.framesHeld - 1);
        emptyList(&g_shotList);
        key(Key::Z, false);
        frame();
        EXPECT_EQ(countShots(4), c.pellets) << c.framesHeld;
        EXPECT_FLOAT_EQ(g_gauge, 800 - c.cost) << c.framesHeld;
        EXPECT_EQ(g_screenFlash, c.flash) << c.framesHeld;
        EXPECT_EQ(g_buttonHeld[0], 0);
    }
}

TEST_F(PlayerTest, ShotBReleaseFiresItsChargedShotByLevel)
{
    const Release cases[] = {
        {26, 0, -1, 0, false}, {27, 0, 2, 20, false}, {54, 0, 5, 50, false},
        {89, 0, 5, 50, false}, {90, 0, 7, 100, true},
    };
    for (const Release& c : cases) {
        resetForNewGame();
        key(Key::X, true);
        frame();
        EXPECT_EQ(countShots(1), 1) << c.framesHeld;
        frames(c.framesHeld - 1);
        emptyList(&g_shotList);
        key(Key::X, false);
        frame();
        EXPECT_FLOAT_EQ(g_gauge, 800 - c.cost) << c.framesHeld;
        EXPECT_EQ(g_screenFlash, c.flash) << c.framesHeld;
        if (c.chargedKind == 7) {
            for (int kind = 7; kind <= 10; ++kind)
                EXPECT_EQ(countShots(kind), 1) << kind;
        } else if (c.chargedKind >= 0) {
            EXPECT_EQ(countShots(c.chargedKind), 1) << c.framesHeld;
        }
        EXPECT_EQ(countShots(), c.chargedKind == 7 ? 4 : c.chargedKind >= 0) << c.framesHeld;
    }
}

TEST_F(PlayerTest, AFailedPaymentCancelsTheChargedAttackButNotTheTap)
{
    g_gauge = 99;
    key(Key::Z, true);
    frame();
    EXPECT_EQ(countShots(0), 1);
    frames(89);
    key(Key::Z, false);
    frame();
    EXPECT_EQ(countShots(4), 0);
    EXPECT_FLOAT_EQ(g_gauge, 99);
    EXPECT_FALSE(g_screenFlash);
}

TEST_F(PlayerTest, FullChargeBlinkCyclesUntilRelease)
{
    key(Key::Z, true);
    frames(90);
    EXPECT_EQ(g_chargeBlink[0], 0);
    const int want[] = {1, 2, 3, 4, 5, 0, 1};
    for (int w : want) {
        frame();
        EXPECT_EQ(g_chargeBlink[0], w);
        EXPECT_EQ(g_buttonHeld[0], 90);
    }
    key(Key::Z, false);
    frame();
    EXPECT_EQ(g_chargeBlink[0], 0);
}

TEST_F(PlayerTest, DoubleChargeNeedsFourHundredInTheGauge)
{
    struct Case {
        float gauge;
        int state;
        float gaugeAfter;
    };
    const Case cases[] = {{400, 1, 0}, {399, 0, 399}, {1000, 1, 600}};
    for (const Case& c : cases) {
        resetForNewGame();
        g_gauge = c.gauge;
        key(Key::Z, true);
        key(Key::X, true);
        frames(90);
        EXPECT_EQ(g_playerState, 0);
        frame();
        EXPECT_EQ(g_playerState, c.state) << c.gauge;
        EXPECT_FLOAT_EQ(g_gauge, c.gaugeAfter) << c.gauge;
        key(Key::Z, false);
        key(Key::X, false);
    }
}

TEST_F(PlayerTest, WithoutTheDoubleChargeEachButtonFiresItsOwnFullAttack)
{
    g_gauge = 399;
    key(Key::Z, true);
    key(Key::X, true);
    frames(91);
    key(Key::Z, false);
    key(Key::X, false);
    frame();
    EXPECT_EQ(countShots(4), 10);
    for (int kind = 7; kind <= 10; ++kind)
        EXPECT_EQ(countShots(kind), 1);
    EXPECT_FLOAT_EQ(g_gauge, 199);
    EXPECT_EQ(g_playerState, 0);
}

TEST_F(PlayerTest, ReleasingTheDoubleChargeRunsSixteenFramesThenFires)
{
    for (int character : {0, 1}) {
        resetForNewGame();
        g_character = character;
        key(Key::Z, true);
        key(Key::X, true);
        frames(91);
        ASSERT_EQ(g_playerState, 1);
        EXPECT_EQ(craft().cell(), 0);
        key(Key::Z, false);
        key(Key::X, false);
        frame();
        EXPECT_EQ(g_playerState, 2);
        EXPECT_TRUE(g_releaseInvulnerable);
        EXPECT_TRUE(g_screenFlash);
        EXPECT_EQ(g_buttonHeld[0], 0);
        EXPECT_EQ(g_buttonHeld[1], 0);
        int releaseKind = character == 0 ? 3 : 22;
        std::vector<int> cells;
        for (int n = 1; n <= 16; ++n) {
            EXPECT_EQ(countShots(releaseKind), 0) << n;
            frame();
            cells.push_back(craft().cell());
        }
        EXPECT_EQ(countShots(releaseKind), 1);
        EXPECT_EQ(g_playerState, 0);
        const std::vector<int> wantCells = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 0};
        EXPECT_EQ(cells, wantCells);
        g_character = 99;
    }
}

TEST_F(PlayerTest, PayGaugeRefusesWhenShort)
{
    struct Case {
        float gauge;
        int index;
        bool paid;
        float after;
    };
    const Case cases[] = {
        {100, 3, true, 0},      {99.5f, 3, false, 99.5f}, {0, 0, true, 0},
        {700, 17, true, 0},     {699, 17, false, 699},    {3, 18, true, 0},
        {50, -1, false, 50},    {50, 19, false, 50},
    };
    for (const Case& c : cases) {
        g_gauge = c.gauge;
        EXPECT_EQ(payGauge(c.index), c.paid) << c.gauge << " " << c.index;
        EXPECT_FLOAT_EQ(g_gauge, c.after) << c.gauge << " " << c.index;
    }
}

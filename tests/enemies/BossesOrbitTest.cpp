// The orbit boss and its ring of satellites: the arrival with one empty slot,
// the slide and the turn, each member's firing sequence, the satellites' end
// with their boss, and the ring drawn by its members themselves.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "EnemyFixture.h"
#include "app/PlayFlags.h"
#include "enemies/Bosses.h"
#include "graphics/TextureSets.h"
#include "text/Conversation.h"

namespace {

float ringX(double angle) { return float(std::cos(angle * 0.017444) * 208 + 288); }
float ringY(double angle) { return float(std::sin(angle * 0.017444) * 208 + 208); }

class OrbitBoss : public EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        g_orbitBoss = nullptr;
        g_orbitTurning = false;
        g_storyMode = false;
    }
    void TearDown() override
    {
        g_orbitBoss = nullptr;
        g_orbitTurning = false;
        g_playerFrozen = false;
        EnemyTest::TearDown();
    }

    // A boss standing in its fight at the given step and timer, without its ring.
    static GameObject& bossAt(int step, int timer)
    {
        GameObject& boss = spawn(10, 200, 150);
        g_orbitBoss = &boss;
        boss.setAngle(100);
        boss.setStep(step);
        boss.setTimer(timer);
        return boss;
    }

    // The headings of the bullets fired, relative to aim where given; sorted.
    static std::vector<double> firedHeadings(int kind, double aim = 0)
    {
        std::vector<double> headings;
        for (GameObject* b = g_bulletList; b; b = b->next)
            if (b->kind() == kind)
                headings.push_back(b->angle() - aim);
        std::sort(headings.begin(), headings.end());
        return headings;
    }

    static void clearLists()
    {
        emptyList(&g_bulletList);
        emptyList(&g_enemyList);
        g_lastEnemy = nullptr;
    }

    static int count(GameObject* list, int kind)
    {
        int n = 0;
        for (GameObject* o = list; o; o = o->next)
            n += o->kind() == kind;
        return n;
    }

    static double aimFrom(const GameObject& enemy)
    {
        return angleDegrees(g_playerObject->x() + 25 - enemy.x(),
                            g_playerObject->y() + 25 - enemy.y());
    }
};

void expectHeadings(const std::vector<double>& fired, const std::vector<double>& expected,
                    const char* what)
{
    ASSERT_EQ(fired.size(), expected.size()) << what;
    for (size_t i = 0; i < fired.size(); ++i)
        EXPECT_NEAR(fired[i], expected[i], 1e-6) << what << " #" << i;
}

}  // namespace

TEST_F(OrbitBoss, ArrivesWithTwentyTwoSatellitesAndOneEmptySlot)
{
    GameObject& boss = spawn(10, 0, 0);
    enemyPass();
    std::vector<GameObject*> ring = enemies();
    ASSERT_EQ(ring.size(), 23u);
    EXPECT_EQ(g_orbitBoss, &boss);
    EXPECT_FALSE(g_orbitTurning);
    EXPECT_DOUBLE_EQ(boss.angle(), 320);
    EXPECT_FLOAT_EQ(boss.speed(), 0.2f);
    EXPECT_FLOAT_EQ(boss.x(), ringX(320) + 480);
    EXPECT_FLOAT_EQ(boss.y(), ringY(320));

    // 24 slots 15 degrees apart: the boss holds 320, and 185 stays empty.
    std::vector<int> taken(24, 0);
    for (GameObject* member : ring) {
        int slot = static_cast<int>(std::fmod(member->angle(), 360.0)) / 15;
        ++taken[slot];
        // Every satellite has placed itself right of its slot on its first update.
        EXPECT_FLOAT_EQ(member->x(), ringX(member->angle()) + 480);
        EXPECT_FLOAT_EQ(member->y(), ringY(member->angle()));
    }
    for (int slot = 0; slot < 24; ++slot)
        EXPECT_EQ(taken[slot], 5 + 15 * slot == 185 ? 0 : 1) << 5 + 15 * slot;
}

TEST_F(OrbitBoss, SlidesInThenOpensTheFightAndTheRingTurns)
{
    g_portrait[1] = 0;
    GameObject& boss = spawn(10, 0, 0);
    int passes = 0;
    std::vector<double> slots;
    while (!g_orbitTurning && passes < 1000) {
        slots.clear();
        for (GameObject* member : enemies())
            slots.push_back(member->angle());
        enemyPass();
        ++passes;
    }
    // One step to take its place on the right, 320 slides of 1.5 pixels and
    // one more past the slot's fraction, then one step to arrive.
    EXPECT_EQ(passes, 323);
    EXPECT_EQ(boss.step(), 1);
    EXPECT_EQ(boss.timer(), 1);
    EXPECT_EQ(g_portrait[1], 15);
    EXPECT_FLOAT_EQ(boss.x(), ringX(320));
    EXPECT_NEAR(boss.angle(), 320.2, 1e-5);

    // The satellites arrived alongside and turn in the same pass: each moves
    // to its slot, then its angle is brought back into one turn and moves on.
    std::vector<GameObject*> ring = enemies();
    ASSERT_EQ(ring.size(), slots.size());
    for (size_t i = 0; i < ring.size(); ++i) {
        EXPECT_EQ(ring[i]->step(), 1);
        EXPECT_FLOAT_EQ(ring[i]->x(), ringX(slots[i]));
        EXPECT_FLOAT_EQ(ring[i]->y(), ringY(slots[i]));
        double turned = slots[i] > 360 ? slots[i] - 360 : slots[i];
        EXPECT_NEAR(ring[i]->angle(), turned + 0.2, 1e-5);
    }

    enemyPass();
    EXPECT_FLOAT_EQ(boss.x(), ringX(320.2));
    EXPECT_NEAR(boss.angle(), 320.4, 1e-5);

    // A conversation freezes the whole ring.
    g_playerFrozen = true;
    float x = boss.x();
    GameObject* satellite = boss.next;
    double satelliteAngle = satellite->angle();
    enemyPass();
    EXPECT_FLOAT_EQ(boss.x(), x);
    EXPECT_DOUBLE_EQ(satellite->angle(), satelliteAngle);
    EXPECT_EQ(enemies().size(), 23u);
}

TEST_F(OrbitBoss, BossFiresEachStepsPattern)
{
    struct Case {
        int step, timer;
        std::vector<double> atCentre;  // absolute headings
        std::vector<double> aimed;     // relative to aim
    };
    const Case cases[] = {
        {1, 80, {280}, {}},
        {1, 100, {}, {-60, -40, -20, 0, 20, 40}},
        {1, 400, {280}, {-60, -40, -20, 0, 20, 40}},
        {2, 30, {280}, {}},
        {3, 100, {}, {0, 20}},
        {4, 10, {}, {0, 20}},
        {5, 50, {}, {0, 20, 40, 60, 80}},
        {6, 20, {}, {0, 30, 60}},
        {6, 10, {}, {}},
        {7, 20, {}, {-100, -80, -60, -40, -20, 0, 20, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << " timer " << c.timer);
        GameObject& boss = bossAt(c.step, c.timer);
        double aim = aimFrom(boss);
        update(boss);
        std::vector<double> fired = firedHeadings(28);
        std::vector<double> expected = c.atCentre;
        for (double offset : c.aimed)
            expected.push_back(aim + offset);
        std::sort(expected.begin(), expected.end());
        expectHeadings(fired, expected, "bullet 28");
        clearLists();
    }
}

TEST_F(OrbitBoss, EachStepLastsItsLengthAndTheCycleRepeats)
{
    const int lengths[] = {600, 200, 500, 210, 210, 120, 120};
    for (int kind : {10, 11}) {
        for (int step = 1; step <= 7; ++step) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " step " << step);
            GameObject& boss = bossAt(step, lengths[step - 1] - 1);
            GameObject& member = kind == 10 ? boss : spawn(11, 300, 100, 200);
            member.setStep(step);
            member.setTimer(lengths[step - 1] - 1);
            update(member);
            EXPECT_EQ(member.step(), step);
            update(member);
            EXPECT_EQ(member.step(), step + 1);
            EXPECT_EQ(member.timer(), 0);
            if (step == 7) {
                update(member);
                EXPECT_EQ(member.step(), 1);
            }
            clearLists();
        }
    }
}

TEST_F(OrbitBoss, SatellitesFireTheirOwnPatterns)
{
    // Step 1: only while passing the bottom or the top of the ring, at the craft.
    struct AngleCase {
        double angle;
        int fired;
    };
    const AngleCase angles[] = {{80, 0}, {81, 1}, {100, 0}, {200, 0}, {280, 0}, {299.5, 1}};
    for (const AngleCase& c : angles) {
        bossAt(1, 1);
        GameObject& satellite = spawn(11, 300, 100, c.angle);
        satellite.setStep(1);
        satellite.setTimer(100);
        update(satellite);
        EXPECT_EQ(count(g_bulletList, 31), c.fired) << c.angle;
        EXPECT_EQ(count(g_bulletList, 28), 0) << c.angle;
        clearLists();
    }

    struct StepCase {
        int step, timer;
        double heading;
        bool aimed;
    };
    const StepCase steps[] = {
        {2, 200, -32, true}, {3, 100, 230 + 180, false}, {4, 50, 270, false},
        {5, 50, 0, false},   {6, 100, 135, false},       {7, 50, 315, false},
    };
    for (const StepCase& c : steps) {
        bossAt(1, 1);
        GameObject& satellite = spawn(11, 300, 100, 230);
        satellite.setStep(c.step);
        satellite.setTimer(c.timer);
        double aim = aimFrom(satellite);
        update(satellite);
        expectHeadings(firedHeadings(28, c.aimed ? aim : 0), {c.heading}, "satellite");
        satellite.setTimer(c.timer + 1);
        update(satellite);
        EXPECT_EQ(count(g_bulletList, 28), 1) << "step " << c.step;
        clearLists();
    }
}

TEST_F(OrbitBoss, SatellitesVanishOnceTheirBossIsGone)
{
    GameObject& boss = spawn(10, 0, 0);
    enemyPass();
    ASSERT_EQ(enemies().size(), 23u);
    // The collision pass removes a destroyed boss itself, before any drawing.
    removeObject(&g_enemyList, &boss);
    enemyPass();
    EXPECT_EQ(g_enemyList, nullptr);
    EXPECT_EQ(count(g_effectFrontList, 37), 22);

    // A stray satellite with no boss at the head of the list never fires.
    g_lastEnemy = nullptr;
    emptyList(&g_effectFrontList);
    spawn(2, 600, 100);
    GameObject& stray = spawn(11, 300, 100, 90);
    stray.setStep(1);
    stray.setTimer(100);
    update(stray);  // removes the stray from the list
    EXPECT_EQ(enemies().size(), 1u);
    EXPECT_EQ(count(g_bulletList, 31), 0);
    EXPECT_EQ(count(g_effectFrontList, 37), 1);
}

TEST_F(OrbitBoss, RingMembersDrawThemselvesAndOnlyTheBossShowsItsHitTint)
{
    auto page = std::make_unique<platform::Texture>(256, 256, false);
    std::fill(page->pixels(), page->pixels() + 256 * 256, 0xFFFFFFFFu);
    platform::Texture* pages[2] = {page.get(), page.get()};
    g_texEnemy = pages;
    g_texEnemyCount = 2;
    beginSceneFrame();
    setSpriteStates();

    GameObject& boss = bossAt(3, 1);
    GameObject& satellite = spawn(11, 0, 0, 90);
    satellite.setStep(3);
    satellite.setTimer(1);
    g_orbitTurning = true;
    boss.setGreen(0);
    boss.setBlue(0);
    satellite.setGreen(0);
    satellite.setBlue(0);
    enemyPass();
    auto pixelAt = [&](float x, float y) {
        return device.backBuffer()[int(y) * platform::kBackBufferWidth + int(x)];
    };
    EXPECT_EQ(pixelAt(ringX(100) + 22, ringY(100) + 22), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(ringX(90) + 22, ringY(90) + 22), 0xFFFFFFFFu);
    // The pass itself draws nothing for a sprite of size zero: the old spot stays black.
    EXPECT_EQ(pixelAt(210, 160) & 0xFFFFFF, 0u);

    g_texEnemy = nullptr;
    g_texEnemyCount = 0;
}

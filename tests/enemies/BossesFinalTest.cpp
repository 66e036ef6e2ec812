// The final boss: the first form's entry, pattern loop and change of form,
// the second form's core patterns, and the arms that follow the core, pass
// their damage on and die with it.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "EnemyFixture.h"
#include "app/PlayFlags.h"
#include "collision/Collision.h"
#include "data/Progress.h"
#include "enemies/BossesFinal.h"
#include "enemies/SweepOrigin.h"
#include "text/Conversation.h"

namespace {

int countBullets(int kind)
{
    int n = 0;
    for (GameObject* b = g_bulletList; b; b = b->next)
        n += b->kind() == kind;
    return n;
}

int bulletCount()
{
    int n = 0;
    for (GameObject* b = g_bulletList; b; b = b->next)
        ++n;
    return n;
}

class FinalBossTest : public EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        // The stage clear saves the unlocks: give it a folder of its own.
        previousFolder_ = std::filesystem::current_path();
        char pattern[] = "/tmp/lnf-finalboss-XXXXXX";
        folder_ = mkdtemp(pattern);
        std::filesystem::current_path(folder_);
        std::filesystem::create_directory("lnfpac");
        std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 0);
        g_sweepOriginObject = new GameObject(0, 0, 0, 0);
        g_secondFormCore = nullptr;
        g_stageClearing = false;
        g_score = 0;
    }

    void TearDown() override
    {
        emptyList(&g_itemList);
        emptyList(&g_effectBackList);
        delete g_sweepOriginObject;
        g_sweepOriginObject = nullptr;
        g_secondFormCore = nullptr;
        g_stageClearing = false;
        std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 0);
        std::filesystem::current_path(previousFolder_);
        std::filesystem::remove_all(folder_);
        EnemyTest::TearDown();
    }

    // The second form as the first form leaves it, after one pass in which
    // the core takes up its post.
    struct SecondForm {
        GameObject* core;
        GameObject* armB;
        GameObject* armA;
    };
    static SecondForm secondForm()
    {
        SecondForm form{&spawn(17, 512, 100), &spawn(19, 560, 128), &spawn(18, 560, 128)};
        enemyPass();
        return form;
    }

    std::filesystem::path previousFolder_;
    std::filesystem::path folder_;
};

}  // namespace

TEST_F(FinalBossTest, EntersFromTheRightThenTalksAndStartsItsLoop)
{
    GameObject& boss = spawn(8, 600, 100);
    g_portrait[1] = 0;
    int updates = 0;
    while (boss.step() == 0 && updates < 50) {
        update(boss);
        ++updates;
    }
    // 600 -> 504 in twelve updates of 8, then the update that starts the talk.
    EXPECT_EQ(updates, 13);
    EXPECT_FLOAT_EQ(boss.x(), 504);
    EXPECT_EQ(g_portrait[1], 8);
    EXPECT_EQ(bulletCount(), 0);
}

TEST_F(FinalBossTest, ChangesFormOnTheFirstUpdateBelowHalfItsHitPoints)
{
    GameObject& boss = spawn(8, 400, 100);
    boss.setStepOne();
    boss.setHp(2000);
    update(boss);
    ASSERT_TRUE(boss.alive()) << "exactly half is not below half";
    ASSERT_EQ(enemies().size(), 1u);

    boss.setHp(1999);
    update(boss);  // the first form clears itself and is removed
    std::vector<GameObject*> found = enemies();
    ASSERT_EQ(found.size(), 3u) << "the first form is gone, its second form in place";
    const int kinds[] = {17, 19, 18};
    const float xs[] = {512, 560, 560};
    const float ys[] = {100, 128, 128};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(found[i]->kind(), kinds[i]);
        EXPECT_FLOAT_EQ(found[i]->x(), xs[i]) << kinds[i];
        EXPECT_FLOAT_EQ(found[i]->y(), ys[i]) << kinds[i];
    }
    EXPECT_EQ(g_score, 0) << "the first form gives no score";
    EXPECT_EQ(g_itemList, nullptr) << "nor items";
    EXPECT_FALSE(g_stageClearing);
}

TEST_F(FinalBossTest, FirstFormLoopsBackToItsSecondStep)
{
    GameObject& boss = spawn(8, 400, 100);
    for (int step : {15, 99, -3}) {
        boss.setStep(step);
        update(boss);
        EXPECT_EQ(boss.step(), 1) << step;
    }
}

TEST_F(FinalBossTest, FirstFormPatternsFireTheirBulletKinds)
{
    // The opening volley of the loop: one scatter bullet, a big shot ahead
    // and a cross of four; then the scatter every third update.
    GameObject& boss = spawn(8, 400, 100);
    boss.setStepOne();
    update(boss);
    EXPECT_EQ(countBullets(39), 1);
    EXPECT_EQ(countBullets(18), 1);
    EXPECT_EQ(countBullets(20), 4);
    EXPECT_EQ(boss.timer2(), 1) << "the next volley reads the next scatter row";
    update(boss, 3);
    EXPECT_EQ(countBullets(39), 2);
    emptyList(&g_bulletList);

    // The fans: twelve at once and two sets of four, before the sweep starts.
    boss.setStep(4);
    boss.setTimer(0);
    boss.setTimer3(0);
    update(boss);
    EXPECT_EQ(countBullets(48), 12 + 8);
    EXPECT_DOUBLE_EQ(boss.angle(), 90);
    emptyList(&g_bulletList);

    // The two turrets, one on each wall, and nothing more for the pattern.
    boss.setStep(6);
    boss.setTimer(0);
    update(boss, 50);
    EXPECT_EQ(countBullets(24), 2);
    EXPECT_EQ(bulletCount(), 2);
}

TEST_F(FinalBossTest, AngleSweepSwingsBetweenNinetyAndTwoSeventy)
{
    GameObject& boss = spawn(8, 400, 100);
    boss.setStep(4);
    double low = 1000;
    double high = -1000;
    for (int i = 0; i < 800; ++i) {
        update(boss);
        if (boss.step() != 4)
            break;
        low = std::min(low, boss.angle());
        high = std::max(high, boss.angle());
    }
    EXPECT_DOUBLE_EQ(low, 89);
    EXPECT_DOUBLE_EQ(high, 271);
}

TEST_F(FinalBossTest, LeapRisesOffScreenThenLandsFastAndMovesOn)
{
    GameObject& boss = spawn(8, 400, 100);
    boss.setStep(9);
    float top = boss.y();
    int updates = 0;
    while (boss.step() == 9 && updates < 400) {
        update(boss);
        top = std::min(top, boss.y());
        ++updates;
    }
    EXPECT_FLOAT_EQ(top, -100) << "rises by 8 from 100 until no longer above -100";
    EXPECT_GE(boss.y(), 300);
    EXPECT_EQ(boss.step(), 10);
    EXPECT_FLOAT_EQ(boss.speed(), 30) << "and moves at the leap's speed from then on";
    // Fired straight ahead every fifth update while above 200.
    EXPECT_GT(countBullets(21), 0);
    EXPECT_EQ(countBullets(21), bulletCount());
}

TEST_F(FinalBossTest, CoreTakesItsPostThenOpensItsArmsBeforeFiring)
{
    SecondForm form = secondForm();
    GameObject& core = *form.core;
    EXPECT_EQ(g_secondFormCore, &core);
    EXPECT_FLOAT_EQ(core.x(), 512);
    EXPECT_FLOAT_EQ(core.y(), 128);
    EXPECT_EQ(core.step(), 1);

    update(core, 40);
    EXPECT_EQ(bulletCount(), 0) << "the arms open first";
    EXPECT_EQ(core.timer2(), 40);
    update(core);
    EXPECT_EQ(countBullets(40), 3);
    update(core, 19);
    EXPECT_EQ(countBullets(40), 3);
    update(core);
    EXPECT_EQ(countBullets(40), 6);

    // The core's loop goes back to its second step after the last.
    core.setStep(13);
    update(core);
    EXPECT_EQ(core.step(), 1);
}

TEST_F(FinalBossTest, ArmsFollowTheCoreAsItOpensThem)
{
    SecondForm form = secondForm();
    for (int32_t open : {0, 20, 44, 47}) {
        form.core->setTimer2(open);
        update(*form.armA);
        update(*form.armB);
        int32_t d = open % 45;
        EXPECT_FLOAT_EQ(form.armA->x(), 512 + 64 + d) << open;
        EXPECT_FLOAT_EQ(form.armA->y(), 128 + 64 + d) << open;
        EXPECT_DOUBLE_EQ(form.armA->angle(), d) << open;
        EXPECT_FLOAT_EQ(form.armB->x(), 512 + 64 - d) << open;
        EXPECT_FLOAT_EQ(form.armB->y(), 128 + 64 - d) << open;
        EXPECT_DOUBLE_EQ(form.armB->angle(), -d) << open;
    }
}

TEST_F(FinalBossTest, ArmsPassTheirDamageOnAndTheCoreDiesOnlyBelowZero)
{
    SecondForm form = secondForm();
    GameObject& core = *form.core;
    form.armA->setHp(form.armA->hp() - 300);
    update(*form.armA);
    EXPECT_EQ(core.hp(), 1700);
    update(*form.armA);
    EXPECT_EQ(core.hp(), 1700) << "the same damage is passed on once";
    form.armB->setHp(form.armB->hp() - 1700);
    update(*form.armB);
    EXPECT_EQ(core.hp(), 0);
    EXPECT_TRUE(core.alive()) << "at exactly 0 the core lives on";
    EXPECT_FALSE(g_stageClearing);

    form.armA->setHp(form.armA->hp() - 1);
    update(*form.armA);
    EXPECT_FALSE(core.alive());
    EXPECT_TRUE(g_stageClearing);
    EXPECT_EQ(g_score, 0) << "a core killed through its arms gives no score";
    EXPECT_NE(g_itemList, nullptr) << "but it does scatter its items";

    // A shot still on the destroyed core in the next frame's collision pass
    // neither scores it nor starts a second stage clear.
    spawnInto(&g_shotList, &g_lastShot, 2, 0, core.boxLeft(), core.boxTop())->init(16, 16, 0, 0, 16, 16, 0, 1, 10, 0, 0, 255, 0, 0);
    g_stageClearing = false;
    collideEnemiesWithShots(&g_enemyList, &g_shotList);
    EXPECT_FALSE(g_stageClearing);
    EXPECT_EQ(g_score, 0);
    emptyList(&g_shotList);

    // The core is drawn once more and removed in the next pass; the arms,
    // updated after it, find it gone and go in the same pass.
    enemyPass();
    EXPECT_TRUE(enemies().empty());
}

TEST_F(FinalBossTest, ArmsRemoveThemselvesWhenTheCoreIsNotAtTheHead)
{
    GameObject& flyer = spawn(2, 600, 300);
    GameObject& core = spawn(17, 512, 100);
    GameObject& arm = spawn(18, 560, 128);
    update(core);
    update(arm);  // cleared and removed at once
    EXPECT_EQ(enemies(), (std::vector<GameObject*>{&flyer, &core}));

    // A core pointer that is not the head's is never followed: the arm
    // neither moves nor hands damage to it.
    emptyList(&g_enemyList);
    GameObject& head = spawn(17, 512, 100);
    GameObject& other = spawn(17, 0, 0);
    g_secondFormCore = &other;
    GameObject& lone = spawn(19, 560, 128);
    update(lone);
    lone.setHp(lone.hp() - 50);
    update(lone);
    EXPECT_TRUE(lone.alive());
    EXPECT_FLOAT_EQ(lone.x(), 560);
    EXPECT_EQ(head.hp(), 2000);
    EXPECT_EQ(other.hp(), 2000);
}

TEST_F(FinalBossTest, ArmSweepHurtsTheCraftAlongTheArm)
{
    SecondForm form = secondForm();
    GameObject& core = *form.core;
    core.setStep(4);  // the arm sweep and dash
    core.setAngle(0);
    GameObject& craft = *g_playerObject;
    craft.setHp(5000);
    // Well away from every arm: unharmed.
    craft.setX(0);
    craft.setY(400);
    update(core);
    EXPECT_EQ(craft.hp(), 5000);
    // The first arm reaches left from (608, 268) in steps of 40.
    core.setX(512);
    core.setY(128);
    core.setTimer(0);
    core.setTimer2(0);
    craft.setX(488 - 32);
    craft.setY(268 - 32);
    update(core);
    EXPECT_EQ(craft.hp(), 3000);
    EXPECT_TRUE(craft.alive());
}

TEST_F(FinalBossTest, CoreDashesLeftFoldingItsArms)
{
    SecondForm form = secondForm();
    GameObject& core = *form.core;
    core.setStep(4);
    g_playerObject->setX(0);
    g_playerObject->setY(440);
    g_playerObject->setHp(1000000);
    float startX = core.x();
    for (int i = 0; i < 281 && core.step() == 4; ++i)
        update(core);
    EXPECT_EQ(core.step(), 5);
    EXPECT_LE(core.x(), 150);
    EXPECT_LT(core.x(), startX - 300);
    // The dash back follows: five pixels an update until past 500.
    float before = core.x();
    update(core);
    EXPECT_FLOAT_EQ(core.x(), before + 5);
}

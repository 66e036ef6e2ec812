// A fallen boss: the gallery unlocks it earns and saves, the speaker of the
// conversation after it, the stage clear and the bullets turned into items.
#include <algorithm>

#include "CollisionFixture.h"

namespace {

std::vector<int32_t> savedFlags()
{
    int32_t kept[kUnlockFlagCount];
    std::copy(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, kept);
    std::vector<int32_t> saved;
    if (readProgress())
        saved.assign(g_unlockFlags, g_unlockFlags + kUnlockFlagCount);
    std::copy(kept, kept + kUnlockFlagCount, g_unlockFlags);
    return saved;
}

}  // namespace

TEST_F(CollisionTest, EachBossUnlocksItsPictureNamesTheNextSpeakerAndClearsTheStage)
{
    struct Case {
        int kind;
        std::vector<int32_t> flags;
        int portrait;
    };
    const Case cases[] = {
        {1, {0, 0, 0, 0, 0, 0, 0, 1}, 7}, {7, {0, 0, 0, 0, 1, 0, 0, 0}, 4},
        {9, {0, 0, 0, 0, 0, 1, 0, 0}, 5}, {10, {0, 0, 0, 0, 0, 0, 1, 0}, 6},
        {17, {0, 0, 1, 1, 0, 0, 0, 0}, 8},
    };
    for (const Case& c : cases) {
        resetForNewGame();
        std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 0);
        std::filesystem::remove(kProgressFile);
        g_controlsNormal = false;  // reversed by an earlier enemy
        const int clearSounds = soundsPlayed(11);
        const int explosionSounds = soundsPlayed(12);
        enemy(400, 100, 1, 0, 5, c.kind);
        shot(410, 110, 1, 1);
        hitEnemies();
        EXPECT_EQ(g_enemyList, nullptr) << c.kind;
        EXPECT_TRUE(g_stageClearing) << c.kind;
        EXPECT_EQ(soundsPlayed(11) - clearSounds, 1) << c.kind;
        EXPECT_EQ(soundsPlayed(12) - explosionSounds, 0)
            << c.kind << ": a boss does not explode like an enemy";
        EXPECT_EQ(g_portrait[1], c.portrait) << c.kind;
        EXPECT_EQ(std::vector<int32_t>(g_unlockFlags, g_unlockFlags + kUnlockFlagCount), c.flags)
            << c.kind;
        EXPECT_EQ(savedFlags(), c.flags) << c.kind << ": saved as soon as they are earned";
        EXPECT_EQ(g_controlsNormal, c.kind == 7) << c.kind;
        EXPECT_EQ(g_score, 5) << c.kind;
        EXPECT_EQ(count(g_itemList), 5) << c.kind;
    }
}

TEST_F(CollisionTest, ABossFallingAgainKeepsEarlierUnlocksAndSavesThemAll)
{
    g_unlockFlags[0] = 1;  // earned by a game over
    g_unlockFlags[5] = 1;  // this boss fell in an earlier game
    GameObject* boss = enemy(400, 100, 1, 0, 0, 9);
    onDestroyed(*boss);
    const std::vector<int32_t> want = {1, 0, 0, 0, 0, 1, 0, 0};
    EXPECT_EQ(std::vector<int32_t>(g_unlockFlags, g_unlockFlags + kUnlockFlagCount), want);
    EXPECT_EQ(savedFlags(), want);
}

TEST_F(CollisionTest, TheStageClearTurnsEveryBulletIntoAnItemWhereItFlew)
{
    bullet(100, 50, 1, 10);
    bullet(200, 60, 1, 10);
    bullet(300, 70, 1, 10);
    GameObject* boss = enemy(400, 100, 1, 0, 0, 10);
    onDestroyed(*boss);
    EXPECT_EQ(g_bulletList, nullptr);
    const std::vector<GameObject*> found = items();
    ASSERT_EQ(found.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        // One item each, on the first point of the first ring: the bullet's
        // centre (+4, +4) and 16 to the right.
        EXPECT_FLOAT_EQ(found[i]->x(), 100 * (i + 1) + 4 + 16) << i;
        EXPECT_FLOAT_EQ(found[i]->y(), 50 + 10 * i + 4) << i;
    }
}

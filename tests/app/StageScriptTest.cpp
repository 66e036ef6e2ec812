// The stage clock and its schedule file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/PlayFlags.h"
#include "objects/ObjectList.h"
#include "stage/StageScript.h"

namespace {

std::string schedule(int32_t count, const std::vector<int32_t>& steps)
{
    std::string bytes;
    auto put = [&](int32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(static_cast<uint32_t>(v) >> (8 * i)));
    };
    put(count);
    for (int32_t step : steps) {
        put(step);
        put(7);
        put(8);
        put(9);
    }
    return bytes;
}

void load(const std::string& bytes) { loadStageScriptFrom(bytes.data(), bytes.size(), "out.txt"); }

class StageScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStageScript();
        g_messageMode = false;
    }
    void TearDown() override { emptyList(&g_enemyList); }
};

TEST_F(StageScriptTest, RecordsFallDueOnTheClock)
{
    load(schedule(3, {25, 0, 5}));
    for (int i = 0; i < 10; ++i)
        stageScriptStep();
    EXPECT_EQ(g_scriptPosition, 0);
    stageScriptStep();  // clock 10: the first record
    EXPECT_EQ(g_scriptPosition, 1);
    EXPECT_EQ(g_nextEventTime, 35);
    while (g_stageClock < 35)
        stageScriptStep();
    stageScriptStep();  // clock 35: the record with step 0 takes the next one along
    EXPECT_EQ(g_scriptPosition, 3);
    EXPECT_EQ(g_nextEventTime, 40);
}

TEST_F(StageScriptTest, TheEndOfTheScheduleEndsTheEvents)
{
    for (const std::string& bytes : {schedule(0, {}), schedule(2, {0, 0})}) {
        resetStageScript();
        load(bytes);
        for (int i = 0; i < 20; ++i)
            stageScriptStep();
        EXPECT_EQ(g_scriptPosition, g_stageScriptLength);
        EXPECT_EQ(g_stageClock, 20);
    }
}

TEST_F(StageScriptTest, WaitFlagHoldsTheClockUntilTheEnemiesAreGone)
{
    load(schedule(0, {}));
    g_scriptWaitFlag = true;
    g_enemyList = new GameObject(0, 0, 0, 0);
    stageScriptStep();
    stageScriptStep();
    EXPECT_EQ(g_stageClock, 0);
    emptyList(&g_enemyList);
    stageScriptStep();  // clears the flag without counting
    EXPECT_FALSE(g_scriptWaitFlag);
    EXPECT_EQ(g_stageClock, 0);
    stageScriptStep();
    EXPECT_EQ(g_stageClock, 1);
}

TEST_F(StageScriptTest, AConversationStopsTheClockAndTheWait)
{
    load(schedule(0, {}));
    g_messageMode = true;
    g_scriptWaitFlag = true;
    stageScriptStep();
    EXPECT_TRUE(g_scriptWaitFlag);
    g_scriptWaitFlag = false;
    stageScriptStep();
    EXPECT_EQ(g_stageClock, 0);
    g_messageMode = false;
}

TEST_F(StageScriptTest, BadFilesNeverWritePastTheTable)
{
    struct Case {
        std::string bytes;
        int32_t loaded;
    } cases[] = {
        {"", 0},                                   // empty file
        {schedule(-1, {5}), 0},                    // negative count
        {schedule(4, {5, 6}), 2},                  // ends early
        {schedule(2, {5, 6}).substr(0, 30), 1},    // a record cut in half
        {schedule(3, {5, INT32_MAX, 1}), 1},       // the clock could never reach record 2
        {schedule(3, {-20, INT32_MIN, 1}), 1},     // nor an event that far behind it
    };
    for (const Case& c : cases) {
        load(c.bytes);
        EXPECT_EQ(g_stageScriptLength, c.loaded);
    }
    std::string huge = schedule(kStageScriptSlots + 5, std::vector<int32_t>(kStageScriptSlots + 5, 1));
    load(huge);
    EXPECT_EQ(g_stageScriptLength, kStageScriptSlots);
    EXPECT_EQ(g_stageScript[kStageScriptSlots - 1][0], 1);
    EXPECT_EQ(g_stageScript[0][3], 9);
}

}  // namespace

// The frame clock: one step per 16.6666666 ms at most, missed steps dropped.
#include <gtest/gtest.h>

#include "support/HeadlessFixture.h"
#include "app/FrameClock.h"

namespace {

// A scene number outside the table runs nothing, so only the clock is measured.
constexpr int kNoScene = 99;

class FrameClockTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        resetFrameClock();
        g_scene = kNoScene;
    }
    void tickAt(uint32_t ms)
    {
        backend.advanceClock(ms - backend.timeGetTime());
        frameTick();
    }
};

TEST_F(FrameClockTest, FirstCallCatchesUpAndRunsOneStep)
{
    tickAt(1000);
    EXPECT_EQ(stepsRun(), 1u);
    // Sixty whole steps bring last tick to 999.999996; the next falls due at 1017.
    EXPECT_EQ(nextStepDueTime(), 1017u);
    tickAt(1016);
    EXPECT_EQ(stepsRun(), 1u);
    tickAt(1017);
    EXPECT_EQ(stepsRun(), 2u);
}

TEST_F(FrameClockTest, ASlowFrameRunsOneStepAndDropsTheRest)
{
    tickAt(100);  // last tick 99.9999996
    uint64_t before = stepsRun();
    tickAt(140);  // 40 ms later: two steps due, one runs
    EXPECT_EQ(stepsRun(), before + 1);
    // Last tick advanced by two steps to 133.3333328; the next is due at 150.
    EXPECT_EQ(nextStepDueTime(), 150u);
    tickAt(149);
    EXPECT_EQ(stepsRun(), before + 1);
    tickAt(150);
    EXPECT_EQ(stepsRun(), before + 2);
}

TEST_F(FrameClockTest, StepsPerSecondDigits)
{
    tickAt(5);  // arms the counter for 1005
    for (uint32_t t = 6; stepsRun() < 60; ++t)
        tickAt(t);
    EXPECT_LT(backend.timeGetTime(), 1005u);
    tickAt(1005);
    EXPECT_EQ(g_fpsTens, 6);
    EXPECT_EQ(g_fpsOnes, 0);
}

TEST_F(FrameClockTest, ClockGoingBackRestartsFromNow)
{
    tickAt(5000);
    uint64_t before = stepsRun();
    backend.advanceClock(static_cast<uint32_t>(-4000));  // back to 1000
    frameTick();
    EXPECT_EQ(stepsRun(), before);
    tickAt(1016);
    EXPECT_EQ(stepsRun(), before);
    tickAt(1017);
    EXPECT_EQ(stepsRun(), before + 1);
}

TEST_F(FrameClockTest, DigitsKeepRefreshingAfterTheCounterWraps)
{
    tickAt(0xFFFFF000u);
    backend.advanceClock(0x2000);  // wraps to 0x1000
    frameTick();
    for (uint32_t t = 0x1000; t < 0x1000 + 1100; ++t)
        tickAt(t);
    // A new second starts at the wrap; its 60th step falls on the refresh tick itself.
    EXPECT_EQ(g_fpsTens * 10 + g_fpsOnes, 59);
}

TEST_F(FrameClockTest, LoadingSceneThatFailsShowsTheMessageOnceAndEntersTheStage)
{
    g_scene = kSceneLoad;
    g_stageIndex = 9;  // no stage map can be set up for it
    runScene(g_scene);
    EXPECT_EQ(g_scene, kSceneStage);
    EXPECT_EQ(countLog("マップ初期化失敗"), 1);
}

}  // namespace

// The frame clock: one step of the current scene per 16.6666666 ms, at most one
// per tick. Missed steps are dropped, not replayed, so a slow frame slows the
// game instead of skipping logic.
#include "app/FrameClock.h"

#include <cmath>

#include "app/Message.h"
#include "app/SceneHandlers.h"
#include "platform/Backend.h"

int32_t g_scene = kSceneTitle;
int32_t g_quitRequested = 0;
int32_t g_fpsTens = 0;
int32_t g_fpsOnes = 0;
int32_t g_stageIndex = 0;

namespace {

double g_lastTick = 0;
double g_nextSecond = 0;
bool g_nextSecondArmed = false;
int32_t g_stepsThisSecond = 0;
uint64_t g_stepsRun = 0;

uint32_t timeGetTime() { return platform::backend().timeGetTime(); }

}  // namespace

void resetFrameClock()
{
    g_lastTick = 0;
    g_nextSecond = 0;
    g_nextSecondArmed = false;
    g_stepsThisSecond = 0;
    g_stepsRun = 0;
    g_fpsTens = 0;
    g_fpsOnes = 0;
}

void runScene(int32_t scene)
{
    switch (scene) {
    case kSceneStage:
        stageFrame();
        break;
    case kSceneTitle:
        titleScene();
        break;
    case kSceneSelect:
        selectScene();
        g_stageIndex = 0;
        break;
    case kSceneButtonConfig:
        buttonConfigScene();
        break;
    case kSceneGallery:
        galleryScene();
        break;
    case kSceneLoad:
        if (!loadStageMap(g_stageIndex))
            messageBox("マップ初期化失敗");
        g_scene = kSceneStage;
        break;
    default:
        break;
    }
}

void frameTick()
{
    double now = timeGetTime();
    if (now < g_lastTick)
        g_lastTick = timeGetTime();
    double elapsed = std::fabs(static_cast<double>(timeGetTime()) - g_lastTick);

    // The counter arms one second ahead on the first call. It is re-armed when
    // the clock wraps around, or the digits would freeze until the next wrap.
    double second = timeGetTime();
    if (!g_nextSecondArmed || second + 1000 < g_nextSecond) {
        g_nextSecond = second + 1000;
        g_nextSecondArmed = true;
        g_stepsThisSecond = 0;
    }
    if (timeGetTime() >= g_nextSecond) {
        g_fpsTens = g_stepsThisSecond / 10;
        g_fpsOnes = g_stepsThisSecond % 10;
        g_nextSecond = static_cast<double>(timeGetTime()) + 1000;
        g_stepsThisSecond = 0;
    }

    if (elapsed < kStepMilliseconds)
        return;
    while (elapsed >= kStepMilliseconds) {
        g_lastTick += kStepMilliseconds;
        elapsed -= kStepMilliseconds;
    }
    g_stepsThisSecond += 1;
    g_stepsRun += 1;
    runScene(g_scene);
}

uint64_t stepsRun() { return g_stepsRun; }

uint32_t nextStepDueTime()
{
    double due = std::ceil(g_lastTick + kStepMilliseconds);
    // Once a wrap-around is pending, the next tick resets the clock at once.
    if (due > 4294967295.0)
        return timeGetTime();
    return static_cast<uint32_t>(due);
}

// The fixed 60 Hz step clock and the scene dispatcher.
#pragma once

#include <cstdint>

constexpr int kSceneStage = 0;
constexpr int kSceneTitle = 1;
constexpr int kSceneSelect = 2;
constexpr int kSceneButtonConfig = 3;
constexpr int kSceneGallery = 4;
constexpr int kSceneLoad = 5;

constexpr double kStepMilliseconds = 16.6666666;

extern int32_t g_scene;
extern int32_t g_quitRequested;
extern int32_t g_fpsTens;
extern int32_t g_fpsOnes;
extern int32_t g_stageIndex;

// Runs at most one step of the current scene when one is due.
void frameTick();

// The millisecond count at which the next step falls due, so that the message
// loop can wait for it instead of spinning. Waiting never changes which steps run.
uint32_t nextStepDueTime();

// Steps run since the process started.
uint64_t stepsRun();

// Runs one step of the given scene (what frameTick does once a step is due).
void runScene(int32_t scene);

// Puts the clock back to its state at process start (for tests).
void resetFrameClock();

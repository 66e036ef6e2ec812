// The stage clock and the schedule it walks, loaded once from "out.txt".
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kStageScriptSlots = 9999;
// The clock time of the first record, which the time steps are added to.
constexpr int32_t kFirstEventTime = 10;

extern int32_t g_stageScript[kStageScriptSlots][4];
extern int32_t g_stageScriptLength;  // records loaded from the file
extern int32_t g_scriptPosition;
extern int32_t g_stageClock;
extern int32_t g_nextEventTime;
extern bool g_scriptWaitFlag;

// Reads "out.txt" from the working directory. Problems are written to standard
// output; the game then runs on with what could be read.
void loadStageScript();
// Reads a schedule held in memory (the file's bytes); name is used in messages.
void loadStageScriptFrom(const char* bytes, size_t size, const char* name);

// Position 0, clock 0, next event at 10, no wait.
void resetStageScript();

// The clock's work of one stage step: consume the records that fall due, then
// count the step unless a conversation is open or the stage waits for the
// enemy list to empty.
void stageScriptStep();

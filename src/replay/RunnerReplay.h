// The headless runner's --record FILE (the replay of its run) and
// --replay FILE (a replay played on the virtual clock, every hash checked).
#pragma once

#include <memory>
#include <string>

#include "app/RunnerOptions.h"
#include "platform/HeadlessBackend.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"

class RunnerReplay {
public:
    RunnerReplay();
    ~RunnerReplay();

    // Before the runner enters the game folder: reads the replay of --replay
    // and takes its seed, start and (unless --frames says) length into options.
    bool prepare(RunnerOptions& options, std::string* error);
    // In the game folder, before the game starts.
    bool start(platform::HeadlessBackend& backend, const RunnerOptions& options, std::string* error);
    // What the game runs on: the recorder for --record, else backend itself.
    platform::Backend& gameBackend(platform::HeadlessBackend& backend);
    // Called from the runner's frame hook.
    void afterFrame(int frame);
    // After the game has shut down; false when the replay desynchronised.
    bool finish(const platform::HeadlessBackend& backend, const RunnerOptions& options);

private:
    std::string recordPath_;
    std::string replayPath_;
    Replay replay_;
    std::unique_ptr<ReplayStart> start_;
    std::unique_ptr<ReplayCheck> check_;
    std::unique_ptr<ReplayWriter> writer_;
    std::unique_ptr<ReplayRecorder> recorder_;
};

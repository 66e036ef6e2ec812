// Recording a session: the header, every input the game reads by frame, a
// state-hash line every 60 frames, and a line for each game and stage as it
// starts and for each stage cleared.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/RecordingBackend.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayWriter.h"

constexpr int kHashInterval = 60;

// The header of a session starting at when with this seed: this program's
// version, the digest of the game folder (the working directory), the date
// and the player's files as they are.
Replay sessionHeader(int64_t seed, std::time_t when);

class ReplayRecorder {
public:
    // Writes the header at once; the game must then run on backend().
    ReplayRecorder(platform::Backend& live, const Replay& header, ReplayWriter& writer);

    platform::Backend& backend() { return backend_; }
    // The end line, written once the game has shut down.
    void finish();

private:
    void afterFrame(int frame);

    ReplayWriter& writer_;
    platform::RecordingBackend backend_;
    uint64_t stepsAtLastFrame_;
    bool newGame_;
    bool clearing_ = false;
};

// The pilot on the headless runner: its keys go in through the backend's key
// state, exactly as a player's would, and its report goes to stdout.
#pragma once

namespace platform {
class HeadlessBackend;
}

namespace pilot {

// Once frame has been presented: the keys for the next frame, the report
// lines, and the end of the run once the pilot is done.
void pilotOnFrame(platform::HeadlessBackend& backend, int frame);
// After the run: the give-up line when the ending was not reached; the
// runner's exit status (0 only after the ending).
int finishPilot(const platform::HeadlessBackend& backend);

}  // namespace pilot

// Keys from the pilot to the headless backend, one change at a time.
#include "pilot/PilotRun.h"

#include <cstdio>
#include <string>
#include <vector>

#include "pilot/Pilot.h"
#include "platform/HeadlessBackend.h"

namespace pilot {

namespace {

Keys g_held{};

}  // namespace

void pilotOnFrame(platform::HeadlessBackend& backend, int frame)
{
    std::vector<std::string> lines;
    Keys keys = pilotFrame(frame, lines);
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    if (!lines.empty())
        std::fflush(stdout);
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != g_held[i])
            backend.setKey(static_cast<platform::Key>(i), keys[i]);
    }
    g_held = keys;
    if (pilotOutcome() != Outcome::Playing)
        backend.quitAfterFrames(frame + 1);
}

int finishPilot(const platform::HeadlessBackend& backend)
{
    if (pilotOutcome() == Outcome::Ending)
        return 0;
    std::printf("%s\n", giveUpLine(backend.framesPresented() - 1).c_str());
    return 1;
}

}  // namespace pilot

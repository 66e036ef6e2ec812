// The lines of the headless input script one at a time: reading one into an
// event, and writing an event as the line that reads back to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/HeadlessBackend.h"

namespace platform {

using ScriptEvent = HeadlessBackend::ScriptEvent;

// The most presses one pulse line may stand for.
constexpr int kMaxKeyPulses = 10000;

// Appends the line's events: none for a blank or comment-only line, one for
// most, and the downs and ups of a key pulse line. A line that is not an event
// gives false with the problem in words.
bool parseScriptLine(std::string_view line, std::vector<ScriptEvent>& events, std::string& problem);

// "FRAME ..." without a newline.
std::string formatScriptEvent(const ScriptEvent& event);
// "FRAME key NAME pulse DOWN UP COUNT": COUNT presses from FRAME on, each
// holding the key down for DOWN frames and then up for UP frames.
std::string formatKeyPulse(int frame, int key, int downFrames, int upFrames, int count);

}  // namespace platform

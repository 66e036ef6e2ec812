// The lines of the headless input script one at a time: reading one into an
// event, and writing an event as the line that reads back to it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/HeadlessBackend.h"

namespace platform {

using ScriptEvent = HeadlessBackend::ScriptEvent;

// A blank or comment-only line gives true and no event; a line that is not an
// event gives false with the problem in words.
bool parseScriptLine(std::string_view line, std::optional<ScriptEvent>& event, std::string& problem);

// "FRAME ..." without a newline.
std::string formatScriptEvent(const ScriptEvent& event);

}  // namespace platform

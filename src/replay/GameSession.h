// A session of the real game: recorded from its first frame into the
// player's replays folder, or a replay played back in the window.
#pragma once

#include <string>

#include "platform/Backend.h"

// The game's command line: nothing, or "--replay FILE". False for anything else.
bool parseGameArguments(int argc, const char* const* argv, std::string& replayPath);

// Both return what runLanternfall does (1 after an orderly end); playback
// gives 0 too for a replay that is refused or desynchronises.
int runRecordedGame(platform::Backend& live);
int playReplayInWindow(platform::Backend& live, const std::string& path);

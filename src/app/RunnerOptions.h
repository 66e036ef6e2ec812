// The headless runner's command line.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct RunnerOptions {
    std::string dataDir = ".";
    int frames = 600;
    bool framesGiven = false;
    int64_t seed = 1;
    bool seedGiven = false;
    std::string inputScript;
    std::string recordPath;  // write the run's replay there
    std::string replayPath;  // play this replay
    std::string logPath;
    std::vector<std::pair<int, std::string>> screenshots;  // frame, PNG path
    std::vector<std::pair<int, std::string>> dumps;        // frame, JSON path
    int hashEvery = 0;
    // The pilot plays the game from the title (none: the script alone drives it).
    enum class Pilot { None, Story, Free };
    Pilot pilot = Pilot::None;
    // Start straight in a stage with a loadout (-1: start at the title). The
    // pilot takes the loadout too, and chooses it on the selection screen.
    int stage = -1;
    int character = 0;
    int subWeapon = 0;
};

// Fills options from argv; false with an error naming the bad argument.
bool parseRunnerOptions(int argc, const char* const* argv, RunnerOptions& options, std::string* error);

extern const char* const kRunnerUsage;

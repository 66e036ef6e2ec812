// Parsing of the headless runner's options.
#include "app/RunnerOptions.h"

#include <charconv>
#include <cstring>
#include <string_view>

const char* const kRunnerUsage =
    "usage: lanternfall-headless [--data DIR] [--frames N] [--seed N] [--input FILE]\n"
    "       [--screenshot FRAME:PATH]... [--log PATH] [--dump FRAME:PATH]... [--hash-every N]\n"
    "       [--stage N --character C --sub-weapon S] [--record FILE] [--replay FILE]\n"
    "       [--pilot story|free [--character C] [--sub-weapon S]]\n";

namespace {

bool parseInt(std::string_view text, int64_t low, int64_t high, int64_t& value)
{
    const char* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

bool parseFramePath(std::string_view text, std::pair<int, std::string>& out)
{
    size_t colon = text.find(':');
    int64_t frame = 0;
    if (colon == std::string_view::npos || colon + 1 == text.size() ||
        !parseInt(text.substr(0, colon), 0, 100000000, frame))
        return false;
    out = {static_cast<int>(frame), std::string(text.substr(colon + 1))};
    return true;
}

}  // namespace

bool parseRunnerOptions(int argc, const char* const* argv, RunnerOptions& options, std::string* error)
{
    bool loadoutGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view name = argv[i];
        if (i + 1 >= argc) {
            *error = "missing value after " + std::string(name);
            return false;
        }
        std::string_view value = argv[++i];
        int64_t number = 0;
        std::pair<int, std::string> framePath;
        bool ok = true;
        if (name == "--data") {
            options.dataDir = value;
        } else if (name == "--frames") {
            ok = parseInt(value, 0, 100000000, number);
            options.frames = static_cast<int>(number);
            options.framesGiven = true;
        } else if (name == "--seed") {
            ok = parseInt(value, 0, INT64_MAX, number);
            options.seed = number;
            options.seedGiven = true;
        } else if (name == "--input") {
            options.inputScript = value;
        } else if (name == "--record") {
            options.recordPath = value;
        } else if (name == "--replay") {
            options.replayPath = value;
        } else if (name == "--log") {
            options.logPath = value;
        } else if (name == "--screenshot") {
            ok = parseFramePath(value, framePath);
            options.screenshots.push_back(framePath);
        } else if (name == "--dump") {
            ok = parseFramePath(value, framePath);
            options.dumps.push_back(framePath);
        } else if (name == "--hash-every") {
            ok = parseInt(value, 1, 100000000, number);
            options.hashEvery = static_cast<int>(number);
        } else if (name == "--pilot") {
            ok = value == "story" || value == "free";
            options.pilot = value == "story" ? RunnerOptions::Pilot::Story : RunnerOptions::Pilot::Free;
        } else if (name == "--stage") {
            ok = parseInt(value, 1, 5, number);
            options.stage = static_cast<int>(number);
        } else if (name == "--character") {
            ok = parseInt(value, 0, 1, number);
            options.character = static_cast<int>(number);
            loadoutGiven = true;
        } else if (name == "--sub-weapon") {
            ok = parseInt(value, 0, 3, number);
            options.subWeapon = static_cast<int>(number);
            loadoutGiven = true;
        } else {
            *error = "unknown option " + std::string(name);
            return false;
        }
        if (!ok) {
            *error = "bad value for " + std::string(name) + ": " + std::string(value);
            return false;
        }
    }
    // A loadout only means something for a run that starts in a stage or that
    // the pilot plays; one given without either would be dropped without a word.
    if (loadoutGiven && options.stage < 0 && options.pilot == RunnerOptions::Pilot::None) {
        *error = "--character and --sub-weapon need --stage or --pilot";
        return false;
    }
    // A game started straight in a stage has no story to tell.
    if (options.pilot == RunnerOptions::Pilot::Story && options.stage > 0) {
        *error = "--pilot story starts at the title, not with --stage";
        return false;
    }
    // A replay carries its own input, seed and start, the pilot's keys included.
    if (!options.replayPath.empty() && (!options.inputScript.empty() || options.seedGiven || options.stage > 0 ||
                                        !options.recordPath.empty() || options.pilot != RunnerOptions::Pilot::None)) {
        *error = "--replay takes no --input, --seed, --stage, --record or --pilot";
        return false;
    }
    return true;
}

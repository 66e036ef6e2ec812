// The real game's sessions: each one recorded, or a replay played back.
#include "replay/GameSession.h"

#include <ctime>
#include <iostream>
#include <string_view>

#include "app/GameMain.h"
#include "platform/Locations.h"
#include "platform/PlaybackBackend.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"

bool parseGameArguments(int argc, const char* const* argv, std::string& replayPath)
{
    if (argc == 1) return true;
    if (argc != 3 || std::string_view(argv[1]) != "--replay") return false;
    replayPath = argv[2];
    return true;
}

int runRecordedGame(platform::Backend& live)
{
    // Taken once, so that the replay's seed is the one the game is given.
    const std::time_t seed = platform::currentTime();
    platform::setTimeOverride(seed);
    const std::time_t now = std::time(nullptr);
    const Replay header = sessionHeader(seed, now);
    const std::string folder = platform::playerFilePath("replays/");
    std::string path;
    std::string error;
    std::FILE* file = createReplayFile(folder, now, path, &error);
    if (file) pruneReplays(folder, kReplaysKept);
    else std::cerr << "Lanternfall: " << error << "; this session is not recorded\n";

    ReplayWriter writer(file, path);
    ReplayRecorder recorder(live, header, writer);
    platform::setBackend(&recorder.backend());
    const int result = runLanternfall();
    recorder.finish();
    platform::setBackend(nullptr);
    return result;
}

int playReplayInWindow(platform::Backend& live, const std::string& path)
{
    Replay replay;
    std::string error;
    if (!loadReplay(path, replay, &error)) {
        std::cerr << "Lanternfall: " << error << '\n';
        return 0;
    }
    ReplayStart start(path, replay);
    if (!start.error().empty()) {
        std::cerr << "Lanternfall: " << start.error() << '\n';
        return 0;
    }
    platform::PlaybackBackend playback(live, replay.events, replay.frames);
    ReplayCheck check(path, replay);
    playback.setFrameHook([&](int frame) { check.afterFrame(frame); });
    platform::setBackend(&playback);
    const int result = runLanternfall(start.afterStartup());
    platform::setBackend(nullptr);
    return check.desynchronised() ? 0 : result;
}

// The replay reader on arbitrary bytes: what it accepts is in frame order,
// names only the player's files, and reads back the same once written again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "replay/PlayerFiles.h"
#include "replay/ReplayFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay replay;
    std::string error;
    if (!parseReplay(std::string_view(reinterpret_cast<const char*>(data), size), replay, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    for (size_t i = 1; i < replay.events.size(); ++i)
        if (replay.events[i].frame < replay.events[i - 1].frame) std::abort();
    for (size_t i = 1; i < replay.hashes.size(); ++i)
        if (replay.hashes[i].frame < replay.hashes[i - 1].frame) std::abort();
    for (const PlayerFileCopy& file : replay.playerFiles)
        if (!isPlayerFileName(file.name)) std::abort();
    Replay again;
    if (!parseReplay(formatReplayHeader(replay), again, &error) || again.seed != replay.seed ||
        again.dataDigest != replay.dataDigest || again.playerFiles.size() != replay.playerFiles.size() ||
        again.startStage != replay.startStage)
        std::abort();
    return 0;
}

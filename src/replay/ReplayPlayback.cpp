// Checking a replay as it plays, and starting the game as it was recorded.
#include "replay/ReplayPlayback.h"

#include <iostream>

#include "app/DirectStart.h"
#include "app/StateSnapshot.h"
#include "platform/Backend.h"
#include "replay/DataDigest.h"

namespace {

// The loadout of a replay begun in a stage, for the start-up hook (a plain function).
int g_startStage = -1;
int g_startCharacter = 0;
int g_startSubWeapon = 0;

bool startAsRecorded() { return startStageDirectly(g_startStage, g_startCharacter, g_startSubWeapon); }

}  // namespace

void ReplayCheck::report(const std::string& problem)
{
    if (!desynchronised_) std::cerr << path_ << ": " << problem << '\n';
    desynchronised_ = true;
}

void ReplayCheck::afterFrame(int frame)
{
    const std::vector<ReplayHash>& hashes = replay_.hashes;
    while (next_ < hashes.size() && hashes[next_].frame < frame) ++next_;
    for (; next_ < hashes.size() && hashes[next_].frame == frame; ++next_) {
        const uint64_t state = replayStateHash();
        if (state != hashes[next_].hash)
            report("desynchronised at frame " + std::to_string(frame) + " (line " +
                   std::to_string(hashes[next_].line) + ": the replay has " + hexDigits(hashes[next_].hash) +
                   ", the game " + hexDigits(state) + ")");
    }
}

void ReplayCheck::finish(int framesPresented, int frames)
{
    for (const ReplayHash& hash : replay_.hashes) {
        if (hash.frame >= framesPresented && hash.frame < frames) {
            report("the game stopped after frame " + std::to_string(framesPresented - 1) +
                   ", before the replay's hash of frame " + std::to_string(hash.frame) + " (line " +
                   std::to_string(hash.line) + ")");
            return;
        }
    }
}

ReplayStart::ReplayStart(const std::string& path, const Replay& replay) : folder_(replay.playerFiles)
{
    platform::setTimeOverride(static_cast<std::time_t>(replay.seed));
    g_startStage = replay.startStage;
    g_startCharacter = replay.startCharacter;
    g_startSubWeapon = replay.startSubWeapon;
    const uint64_t digest = gameDataDigest();
    if (digest != replay.dataDigest)
        std::cerr << path << ": recorded with other game data (digest " << hexDigits(replay.dataDigest)
                  << ", this folder's " << hexDigits(digest) << "); it may desynchronise\n";
}

ReplayStart::StartHook ReplayStart::afterStartup() const { return g_startStage > 0 ? startAsRecorded : nullptr; }

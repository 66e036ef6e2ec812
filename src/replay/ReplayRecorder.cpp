// The session recorder.
#include "replay/ReplayRecorder.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "app/StateSnapshot.h"
#include "player/PlayerState.h"
#include "replay/DataDigest.h"
#include "replay/PlayerFiles.h"

Replay sessionHeader(int64_t seed, std::time_t when)
{
    Replay header;
    header.seed = seed;
    header.dataDigest = gameDataDigest();
    std::tm utc{};
    gmtime_r(&when, &utc);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S UTC", &utc);
    header.date = date;
    header.playerFiles = snapshotPlayerFiles();
    return header;
}

ReplayRecorder::ReplayRecorder(platform::Backend& live, const Replay& header, ReplayWriter& writer)
    : writer_(writer),
      backend_(live, [this](const platform::ScriptEvent& e) { writer_.write(platform::formatScriptEvent(e) + "\n"); },
               stepsRun),
      stepsAtLastFrame_(stepsRun()),
      newGame_(header.startStage > 0)
{
    writer_.write(formatReplayHeader(header));
    writer_.flush();
    backend_.setFrameHook([this](int frame) { afterFrame(frame); });
}

void ReplayRecorder::afterFrame(int frame)
{
    const std::string at = " " + std::to_string(frame) + " ";
    const std::string stage = std::to_string(g_stageIndex + 1);
    if (g_scene == kSceneSelect) newGame_ = true;
    // The stage loading is the one step that presents nothing.
    if (stepsRun() - stepsAtLastFrame_ > 1 && g_scene == kSceneStage) {
        if (newGame_)
            writer_.write("# game" + at + (g_storyMode ? "story" : "free") + " character " +
                          std::to_string(g_character) + " sub-weapon " +
                          std::to_string(g_subWeapon - 4 * g_character) + "\n");
        newGame_ = false;
        writer_.write("# stage" + at + "start " + stage + "\n");
        writer_.flush();
    }
    stepsAtLastFrame_ = stepsRun();
    if (g_stageClearing && !clearing_) writer_.write("# stage" + at + "clear " + stage + "\n");
    clearing_ = g_stageClearing;
    if (frame % kHashInterval == 0) writer_.write(hashLine(frame, replayStateHash()));
}

void ReplayRecorder::finish()
{
    writer_.write(endLine(backend_.framesPresented()));
    writer_.flush();
}

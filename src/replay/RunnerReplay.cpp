// Recording and playing replays in the headless runner.
#include "replay/RunnerReplay.h"

#include <cerrno>
#include <cstring>
#include <filesystem>


RunnerReplay::RunnerReplay() = default;
RunnerReplay::~RunnerReplay() = default;

bool RunnerReplay::prepare(RunnerOptions& options, std::string* error)
{
    if (!options.recordPath.empty()) recordPath_ = std::filesystem::absolute(options.recordPath).string();
    if (options.replayPath.empty()) return true;
    replayPath_ = options.replayPath;
    if (!loadReplay(replayPath_, replay_, error)) return false;
    options.seed = replay_.seed;
    options.stage = replay_.startStage;
    options.character = replay_.startCharacter;
    options.subWeapon = replay_.startSubWeapon;
    if (!options.framesGiven) options.frames = replay_.frames;
    return true;
}

bool RunnerReplay::start(platform::HeadlessBackend& backend, const RunnerOptions& options, std::string* error)
{
    if (!replayPath_.empty()) {
        start_ = std::make_unique<ReplayStart>(replayPath_, replay_);
        if (!start_->error().empty()) {
            *error = start_->error();
            return false;
        }
        check_ = std::make_unique<ReplayCheck>(replayPath_, replay_);
        backend.setInputScript(replay_.events);
    }
    if (!recordPath_.empty()) {
        std::FILE* file = std::fopen(recordPath_.c_str(), "wb");
        if (!file) {
            *error = recordPath_ + ": cannot write the replay: " + std::strerror(errno);
            return false;
        }
        Replay header = sessionHeader(options.seed, std::time(nullptr));
        if (options.stage > 0) {
            header.startStage = options.stage;
            header.startCharacter = options.character;
            header.startSubWeapon = options.subWeapon;
        }
        writer_ = std::make_unique<ReplayWriter>(file, recordPath_);
        recorder_ = std::make_unique<ReplayRecorder>(backend, header, *writer_);
    }
    return true;
}

platform::Backend& RunnerReplay::gameBackend(platform::HeadlessBackend& backend)
{
    if (recorder_) return recorder_->backend();
    return backend;
}

void RunnerReplay::afterFrame(int frame)
{
    if (check_) check_->afterFrame(frame);
}

bool RunnerReplay::finish(const platform::HeadlessBackend& backend, const RunnerOptions& options)
{
    if (recorder_) recorder_->finish();
    if (!check_) return true;
    check_->finish(backend.framesPresented(), options.frames);
    return !check_->desynchronised();
}

// What playing a replay takes, headless or in the window: the checks of its
// state-hash lines, and the start it was recorded from (seed, player's files
// in a scratch folder, a run begun in a stage).
#pragma once

#include <memory>
#include <string>

#include "replay/PlayerFiles.h"
#include "replay/ReplayFile.h"

// Compares the game's state with each hash line as its frame is presented,
// and says on standard error where the replay first desynchronised.
class ReplayCheck {
public:
    ReplayCheck(std::string path, const Replay& replay) : path_(std::move(path)), replay_(replay) {}

    void afterFrame(int frame);
    // A game that stopped before frames checks no more: the replay's hash
    // lines before that frame that were never reached count as a desync.
    void finish(int framesPresented, int frames);
    bool desynchronised() const { return desynchronised_; }

private:
    void report(const std::string& problem);

    std::string path_;
    const Replay& replay_;
    size_t next_ = 0;
    bool desynchronised_ = false;
};

// Sets the game up to start as the replay's session did. Says on standard
// error when the game folder's data differs from the replay's.
class ReplayStart {
public:
    ReplayStart(const std::string& path, const Replay& replay);

    // Empty when the start is ready.
    const std::string& error() const { return folder_.error(); }
    // What runLanternfall runs after start-up: null for a start at the title.
    using StartHook = bool (*)();
    StartHook afterStartup() const;

private:
    ScratchPlayerFolder folder_;
};

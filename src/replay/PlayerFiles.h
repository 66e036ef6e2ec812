// The player's own files that a session starts from (the button assignment
// and the unlock flags): copied into a replay when it is recorded, and laid
// out in a scratch folder to play it back, so that playback starts where the
// session did and never writes over the player's real files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "replay/ReplayFile.h"

bool isPlayerFileName(std::string_view name);

// Each of the player's files as it is now, through the platform's folder for them.
std::vector<PlayerFileCopy> snapshotPlayerFiles();

// A fresh folder holding the given copies, which the player's files point
// into while it lives; the folder and everything the game wrote there go with it.
class ScratchPlayerFolder {
public:
    explicit ScratchPlayerFolder(const std::vector<PlayerFileCopy>& files);
    ~ScratchPlayerFolder();
    ScratchPlayerFolder(const ScratchPlayerFolder&) = delete;
    ScratchPlayerFolder& operator=(const ScratchPlayerFolder&) = delete;

    // Empty when the folder is in use; otherwise what went wrong.
    const std::string& error() const { return error_; }

private:
    std::string folder_;
    std::string previous_;
    std::string error_;
};

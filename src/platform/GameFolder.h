// Finding the game folder, the files the game reads (lnfpac/, dxm/, out.txt),
// which an installed game keeps apart from its programs. The loaders open them
// relative to the working directory, so the folder found is entered.
#pragma once

#include <string>
#include <vector>

namespace platform {

// A place the game folder may be, and why it is looked in.
struct GameFolderPlace {
    std::string path;
    std::string reason;
};

// The places in the order they are tried: $LANTERNFALL_DATA (when set and not
// empty), the installed folder relative to the program's own folder (when
// known), then the working directory. Relative paths are taken from the
// working directory.
std::vector<GameFolderPlace> gameFolderPlaces(const char* dataVariable, const std::string& programDirectory,
                                              const std::string& workingDirectory);

// A folder is the game folder when it holds what every start reads.
bool isGameFolder(const std::string& path);

// The first place that holds the game folder, or null.
const GameFolderPlace* findGameFolder(const std::vector<GameFolderPlace>& places);

// Names every place looked in, and how to point the game at its files.
std::string gameFolderNotFoundMessage(const std::vector<GameFolderPlace>& places);

// Finds the game folder for this process and makes it the working directory.
// When it is nowhere, or cannot be entered, a message box says so and the
// result is false.
bool enterGameFolder();

}  // namespace platform

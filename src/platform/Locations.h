// Where the player's own files live. The game names them as it always has
// ("joyconfig.dat", "lnfpac/wfdn.pac"); the platform decides the folder they
// are kept in, so the game never writes into its own data.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder of the player's files, ending in '/'; empty for the working
// directory, where the headless runner keeps them beside the game files.
const std::string& playerDirectory();
void setPlayerDirectory(std::string directory);

// The path to open for one of the player's files, named as the game names it.
std::string playerFilePath(std::string_view name);

// The path to read a file from that the game folder ships a default of: the
// player's own copy, or while they have none, the shipped one. Writes always
// go to playerFilePath.
std::string playerFileToRead(std::string_view name);

}  // namespace platform

// The folder of the player's files.
#include "platform/Locations.h"

#include <utility>

#include <unistd.h>

namespace platform {

namespace {
std::string g_playerDirectory;
}  // namespace

const std::string& playerDirectory() { return g_playerDirectory; }

void setPlayerDirectory(std::string directory)
{
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    g_playerDirectory = std::move(directory);
}

std::string playerFilePath(std::string_view name) { return g_playerDirectory + std::string(name); }

std::string playerFileToRead(std::string_view name)
{
    std::string own = playerFilePath(name);
    if (access(own.c_str(), F_OK) == 0) return own;
    // The game folder is the working directory.
    return std::string(name);
}

}  // namespace platform

// The folder of the player's own files in the XDG data home.
#include "platform/PlayerFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "platform/Backend.h"
#include "platform/Locations.h"
#include "platform/XdgDirectories.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// The player's files, as the game names them: the assignment beside the
// folder that holds the progress file.
constexpr const char* kButtonConfigName = "joyconfig.dat";
constexpr const char* kProgressFolder = "lnfpac";

std::string notWritable(const fs::path& folder)
{
    if (access(folder.c_str(), W_OK) == 0) return "";
    return folder.string() + ": " + std::strerror(errno);
}

// The copy lands under a temporary name and is renamed into place, so an
// interrupted first start never leaves the player half a file.
std::string copyShipped(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::exists(to, error) || !fs::exists(from, error)) return "";
    fs::path temp = to;
    temp += ".tmp";
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temp, to, error);
    if (!error) return "";
    const std::string problem = to.string() + ": " + error.message();
    fs::remove(temp, error);
    return problem;
}

}  // namespace

std::string dataHomePlayerDirectory()
{
    return xdgBaseDirectory(std::getenv("XDG_DATA_HOME"), homeDirectory(), ".local/share") + "/lanternfall/";
}

std::string preparePlayerDirectory(const std::string& directory, const std::string& shippedButtonConfig)
{
    const fs::path folder(directory);
    std::error_code error;
    fs::create_directories(folder / kProgressFolder, error);
    if (error) return error.message();
    for (const fs::path& needed : {folder, folder / kProgressFolder})
        if (std::string problem = notWritable(needed); !problem.empty()) return problem;
    return copyShipped(shippedButtonConfig, folder / kButtonConfigName);
}

void keepPlayerFilesInDataHome()
{
    const std::string directory = dataHomePlayerDirectory();
    setPlayerDirectory(directory);
    const std::string problem = preparePlayerDirectory(directory, kButtonConfigName);
    if (problem.empty()) return;
    backend().messageBox("Lanternfall cannot save your files in " + directory + " (" + problem +
                         "). The game plays on, but what you unlock and the buttons you assign are not kept.");
}

}  // namespace platform

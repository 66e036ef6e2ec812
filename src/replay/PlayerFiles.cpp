// Copies of the player's files, and the scratch folder a replay plays in.
#include "replay/PlayerFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/ButtonConfig.h"
#include "data/Progress.h"
#include "data/WholeFile.h"
#include "platform/Locations.h"

namespace {

const std::string_view kPlayerFiles[] = {kButtonConfigFile, kProgressFile};

}  // namespace

bool isPlayerFileName(std::string_view name)
{
    return std::find(std::begin(kPlayerFiles), std::end(kPlayerFiles), name) != std::end(kPlayerFiles);
}

std::vector<PlayerFileCopy> snapshotPlayerFiles()
{
    std::vector<PlayerFileCopy> files;
    for (std::string_view name : kPlayerFiles) {
        PlayerFileCopy copy;
        copy.name = name;
        // Read from where the game will read it: the assignment falls back to
        // the shipped copy. A file that cannot be read starts the game on the
        // defaults, as a missing one does.
        const std::string path =
            name == kButtonConfigFile ? platform::playerFileToRead(name) : platform::playerFilePath(name);
        copy.present = readWholeFile(path.c_str(), copy.bytes) == FileReadResult::Read;
        files.push_back(std::move(copy));
    }
    return files;
}

ScratchPlayerFolder::ScratchPlayerFolder(const std::vector<PlayerFileCopy>& files)
{
    std::error_code failed;
    std::string pattern = (std::filesystem::temp_directory_path(failed) / "lanternfall-replay-XXXXXX").string();
    if (failed || !mkdtemp(pattern.data())) {
        error_ = "cannot make a scratch folder for the player's files";
        return;
    }
    folder_ = pattern;
    // Every file's folder is made, so that the game can save a file the session did not start with.
    for (std::string_view name : kPlayerFiles)
        std::filesystem::create_directories((std::filesystem::path(folder_) / name).parent_path(), failed);
    for (const PlayerFileCopy& file : files) {
        if (!file.present) continue;
        const std::filesystem::path path = std::filesystem::path(folder_) / file.name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (failed || !out.flush()) {
            error_ = path.string() + ": cannot write the replay's copy of the player's file";
            return;
        }
    }
    previous_ = platform::playerDirectory();
    platform::setPlayerDirectory(folder_);
}

ScratchPlayerFolder::~ScratchPlayerFolder()
{
    if (folder_.empty()) return;
    if (error_.empty()) platform::setPlayerDirectory(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

// Finding the game folder and entering it.
#include "platform/GameFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Backend.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// Where an installed game folder lies relative to the programs' folder; the
// install rules place both, and hand the relative path over at build time.
constexpr const char* kGameFolderFromProgram = LNF_GAME_FOLDER_FROM_PROGRAM;

std::string programDirectory()
{
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

}  // namespace

std::vector<GameFolderPlace> gameFolderPlaces(const char* dataVariable, const std::string& programDirectory,
                                              const std::string& workingDirectory)
{
    const fs::path working(workingDirectory);
    std::vector<GameFolderPlace> places;
    if (dataVariable && *dataVariable)
        places.push_back({(working / dataVariable).lexically_normal().string(), "LANTERNFALL_DATA"});
    if (!programDirectory.empty())
        places.push_back({(working / programDirectory / kGameFolderFromProgram).lexically_normal().string(),
                          "beside the program"});
    places.push_back({working.lexically_normal().string(), "the working directory"});
    return places;
}

bool isGameFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(fs::path(path) / "lnfpac", error) && fs::is_regular_file(fs::path(path) / "out.txt", error);
}

const GameFolderPlace* findGameFolder(const std::vector<GameFolderPlace>& places)
{
    for (const GameFolderPlace& place : places)
        if (isGameFolder(place.path)) return &place;
    return nullptr;
}

std::string gameFolderNotFoundMessage(const std::vector<GameFolderPlace>& places)
{
    std::string text = "Lanternfall cannot find its game files (a folder holding lnfpac/ and out.txt). Looked in:\n";
    for (const GameFolderPlace& place : places) text += "  " + place.path + " (" + place.reason + ")\n";
    text += "Set LANTERNFALL_DATA to the folder that holds them.";
    return text;
}

bool enterGameFolder()
{
    std::error_code error;
    const std::string working = fs::current_path(error).string();
    const std::vector<GameFolderPlace> places =
        gameFolderPlaces(std::getenv("LANTERNFALL_DATA"), programDirectory(), working);
    const GameFolderPlace* found = findGameFolder(places);
    if (!found) {
        backend().messageBox(gameFolderNotFoundMessage(places));
        return false;
    }
    fs::current_path(found->path, error);
    if (error) {
        backend().messageBox("Lanternfall cannot enter its game folder " + found->path + ": " + error.message());
        return false;
    }
    return true;
}

}  // namespace platform

// Naming, creating and pruning the replays.
#include "replay/ReplayFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kExtension = ".replay";

}  // namespace

std::FILE* createReplayFile(const std::string& folder, std::time_t when, std::string& path, std::string* error)
{
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed) {
        if (error) *error = folder + ": cannot make the replays folder: " + failed.message();
        return nullptr;
    }
    std::tm utc{};
    gmtime_r(&when, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &utc);
    // Sessions started in the same second take _2 to _9, which sort after the first.
    for (int n = 1; n <= 9; ++n) {
        path = (std::filesystem::path(folder) / (stamp + (n > 1 ? "_" + std::to_string(n) : "") + kExtension)).string();
        if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
        if (errno != EEXIST) break;
    }
    if (error) *error = path + ": cannot write a replay: " + std::strerror(errno);
    return nullptr;
}

void pruneReplays(const std::string& folder, int keep)
{
    std::error_code failed;
    std::vector<std::filesystem::path> replays;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failed))
        if (entry.path().extension() == kExtension && entry.is_regular_file(failed)) replays.push_back(entry.path());
    std::sort(replays.begin(), replays.end());
    for (size_t i = 0; i + static_cast<size_t>(keep) < replays.size(); ++i)
        std::filesystem::remove(replays[i], failed);
}

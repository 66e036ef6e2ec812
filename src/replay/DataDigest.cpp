// The digest of the game folder's data files.
#include "replay/DataDigest.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "app/StateSnapshot.h"
#include "data/Progress.h"

namespace {

void addFolder(const std::filesystem::path& root, const std::string& folder, std::vector<std::string>& names)
{
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(root / folder, failed)) {
        const std::string name = folder + "/" + entry.path().filename().string();
        if (entry.is_regular_file(failed) && name != kProgressFile) names.push_back(name);
    }
}

}  // namespace

uint64_t gameDataDigest(const std::string& folder)
{
    const std::filesystem::path root(folder);
    std::vector<std::string> names = {"out.txt"};
    addFolder(root, "lnfpac", names);
    addFolder(root, "dxm", names);
    std::sort(names.begin(), names.end());
    uint64_t digest = fnv1a(nullptr, 0);
    std::vector<char> bytes;
    for (const std::string& name : names) {
        // The name's terminating zero keeps "ab" + "c" apart from "a" + "bc".
        digest = fnv1a(name.c_str(), name.size() + 1, digest);
        std::ifstream file(root / name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        const uint64_t size = file ? bytes.size() : UINT64_MAX;
        digest = fnv1a(&size, sizeof size, digest);
        digest = fnv1a(bytes.data(), bytes.size(), digest);
    }
    return digest;
}

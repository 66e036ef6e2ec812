// Reading and saving the progress flags.
//
// "lnfpac/wfdn.pac", 32 bytes:
//   offset  size  field
//   4 i     4     unlock flag i (i = 0..7), little-endian int32, 1 earned, 0 not
#include "data/Progress.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

int32_t g_unlockFlags[kUnlockFlagCount] = {};

namespace {

constexpr size_t kProgressSize = 4 * kUnlockFlagCount;

void reportFile(const char* what) { std::cout << kProgressFile << what << std::endl; }

// Writes and flushes the bytes to path and forces them to the disk.
bool writeDurably(const std::string& path, const uint8_t* bytes, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes, 1, size, f) == size && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace

bool decodeProgress(const uint8_t* data, size_t size, int32_t flags[kUnlockFlagCount]) {
    if (size < kProgressSize) return false;
    for (int i = 0; i < kUnlockFlagCount; ++i) {
        const uint8_t* p = data + 4 * i;
        flags[i] = static_cast<int32_t>(static_cast<uint32_t>(p[0]) |
                                        static_cast<uint32_t>(p[1]) << 8 |
                                        static_cast<uint32_t>(p[2]) << 16 |
                                        static_cast<uint32_t>(p[3]) << 24);
    }
    return true;
}

bool readProgress() {
    for (int32_t& f : g_unlockFlags) f = 0;
    std::ifstream in(kProgressFile, std::ios::binary);
    if (!in) {
        reportFile("");
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !decodeProgress(bytes.data(), bytes.size(), g_unlockFlags)) {
        reportFile(": 読み込めません");
        return false;
    }
    return true;
}

bool writeProgress() {
    uint8_t bytes[kProgressSize];
    for (int i = 0; i < kUnlockFlagCount; ++i) {
        uint32_t v = static_cast<uint32_t>(g_unlockFlags[i]);
        for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<uint8_t>(v >> (8 * b));
    }
    // The old file stays whole until the new one is complete on disk.
    std::string temp = std::string(kProgressFile) + ".tmp";
    if (!writeDurably(temp, bytes, sizeof bytes) ||
        std::rename(temp.c_str(), kProgressFile) != 0) {
        std::remove(temp.c_str());
        reportFile("");
        return false;
    }
    return true;
}

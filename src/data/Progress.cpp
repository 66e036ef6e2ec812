// Reading and saving the progress flags.
//
// "lnfpac/wfdn.pac", 32 bytes:
//   offset  size  field
//   4 i     4     unlock flag i (i = 0..7), little-endian int32, 1 earned, 0 not
#include "data/Progress.h"

#include <iostream>
#include <vector>

#include "data/SafeWrite.h"
#include "data/WholeFile.h"
#include "platform/Locations.h"

int32_t g_unlockFlags[kUnlockFlagCount] = {};

namespace {

constexpr size_t kProgressSize = 4 * kUnlockFlagCount;

void reportFile(const char* what) { std::cout << kProgressFile << what << std::endl; }

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
    std::vector<uint8_t> bytes;
    FileReadResult read = readWholeFile(platform::playerFilePath(kProgressFile).c_str(), bytes);
    if (read == FileReadResult::CannotOpen) {
        reportFile("");
        return false;
    }
    if (read == FileReadResult::CannotRead ||
        !decodeProgress(bytes.data(), bytes.size(), g_unlockFlags)) {
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
    if (!replaceFileSafely(platform::playerFilePath(kProgressFile).c_str(), bytes, sizeof bytes)) {
        reportFile("");
        return false;
    }
    return true;
}

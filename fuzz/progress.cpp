// Fuzzes the progress file decoder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/Progress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t flags[kUnlockFlagCount] = {};
    bool ok = decodeProgress(data, size, flags);
    if (ok != (size >= 4 * kUnlockFlagCount)) abort();
    return 0;
}

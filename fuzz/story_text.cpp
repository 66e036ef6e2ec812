// Fuzzes the story text decoder: whatever the file holds, it stays inside the table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "data/StoryText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static char table[kStoryBlockCount][kStoryBlockSize];
    std::string problem;
    decodeStoryText(data, size, table, &problem);
    // Every block that was started is ended by a zero inside it.
    for (const auto& block : table)
        if (block[0] != 0 && memchr(block, 0, kStoryBlockSize) == nullptr) abort();
    return 0;
}

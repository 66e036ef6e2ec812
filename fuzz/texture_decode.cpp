// Image decoding of archive entries on arbitrary bytes, under every key type.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string error;
    for (uint32_t key : {0xFF000000u, 0xFFFF0000u, 0xFFFF00FFu})
        platform::createTextureFromFileInMemory(data, size, key, &error);
    return 0;
}

// Fuzzes the texture archive reader with every key type.
#include <cstddef>
#include <cstdint>

#include "data/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::unique_ptr<platform::Texture>> textures;
    std::string problem;
    int keyType = size > 0 ? data[size - 1] % 3 : 0;
    readArchive(data, size, keyType, textures, problem);
    return 0;
}

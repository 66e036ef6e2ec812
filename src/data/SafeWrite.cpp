#include "data/SafeWrite.h"

#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

bool writeDurably(const std::string& path, const uint8_t* bytes, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes, 1, size, f) == size && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace

bool replaceFileSafely(const char* path, const uint8_t* bytes, size_t size) {
    const std::string temp = std::string(path) + ".tmp";
    if (writeDurably(temp, bytes, size) && std::rename(temp.c_str(), path) == 0) return true;
    std::remove(temp.c_str());
    return false;
}

// Reading a whole file with the C library, whose read errors come back as
// results: a stream buffer throws from its underflow instead, for example when
// the path names a directory.
#include "data/WholeFile.h"

#include <cstdio>

FileReadResult readWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return FileReadResult::CannotOpen;
    constexpr size_t kChunk = 64 * 1024;
    size_t used = 0;
    for (;;) {
        bytes.resize(used + kChunk);
        size_t got = std::fread(bytes.data() + used, 1, kChunk, file);
        used += got;
        if (got < kChunk) break;
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        bytes.clear();
        return FileReadResult::CannotRead;
    }
    bytes.resize(used);
    return FileReadResult::Read;
}

const char* fileReadProblem(FileReadResult result) {
    switch (result) {
    case FileReadResult::CannotOpen: return "ファイルが開けません";
    case FileReadResult::CannotRead: return "ファイルの読み込みに失敗しました";
    default: return "";
    }
}

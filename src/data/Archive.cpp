// The texture archive reader.
//
// Archive layout, all integers little-endian unsigned 32-bit:
//   offset            size  field
//   0                 4     entry count N (at most 31)
//   4 + 264 i         256   entry i: name, zero-padded (never read)
//   4 + 264 i + 256   4     entry i: size of its data in bytes
//   4 + 264 i + 260   4     entry i: offset of its data from the start of the file
//   after the table   size  entry data: one complete image file, in any order
#include "data/Archive.h"

#include "app/Message.h"
#include "data/WholeFile.h"

namespace {

constexpr size_t kNameSize = 256;
constexpr size_t kEntrySize = kNameSize + 8;

uint32_t readU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void noteEntryProblem(std::string& problem, uint32_t index, const std::string& what) {
    if (!problem.empty()) problem += "、";
    problem += "項目" + std::to_string(index) + ": " + what;
}

}  // namespace

uint32_t archiveColourKey(int keyType) {
    switch (keyType) {
    case 0: return 0xFF000000;
    case 1: return 0xFFFF0000;
    case 2: return 0xFFFF00FF;
    default: return 0;
    }
}

bool readArchive(const uint8_t* data, size_t size, int keyType,
                 std::vector<std::unique_ptr<platform::Texture>>& textures, std::string& problem) {
    textures.clear();
    problem.clear();
    uint32_t key = archiveColourKey(keyType);
    if (key == 0) {
        problem = "色キーの種類" + std::to_string(keyType) + "は使えません";
        return false;
    }
    if (size < 4) {
        problem = "ファイルが短すぎます";
        return false;
    }
    uint32_t count = readU32(data);
    if (count > kArchiveMaxEntries) {
        problem = "項目が多すぎます(" + std::to_string(count) + "個、最大" +
                  std::to_string(kArchiveMaxEntries) + "個)";
        return false;
    }
    if (size < 4 + kEntrySize * count) {
        problem = "目次の途中でファイルが終わっています";
        return false;
    }
    textures.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + 4 + kEntrySize * i;
        uint32_t entrySize = readU32(entry + kNameSize);
        uint32_t offset = readU32(entry + kNameSize + 4);
        if (offset > size || entrySize > size - offset) {
            noteEntryProblem(problem, i, "データがファイルの外にあります");
            continue;
        }
        std::string error;
        textures[i] = platform::createTextureFromFileInMemory(data + offset, entrySize, key, &error);
        if (!textures[i]) noteEntryProblem(problem, i, "画像を作れません(" + error + ")");
    }
    return true;
}

bool loadArchiveTextures(const char* path, int keyType, platform::Texture**& textures,
                         int& count) {
    textures = nullptr;
    count = 0;
    std::vector<uint8_t> bytes;
    std::string problem;
    std::vector<std::unique_ptr<platform::Texture>> loaded;
    FileReadResult read = readWholeFile(path, bytes);
    bool usable = read == FileReadResult::Read;
    if (!usable)
        problem = fileReadProblem(read);
    else
        usable = readArchive(bytes.data(), bytes.size(), keyType, loaded, problem);
    if (!usable) {
        messageBox(std::string(path) + "を読み込めません: " + problem);
        return false;
    }
    if (!problem.empty()) messageBox(std::string(path) + "の画像を一部読み込めません: " + problem);
    count = static_cast<int>(loaded.size());
    textures = new platform::Texture*[loaded.size()]();
    for (size_t i = 0; i < loaded.size(); ++i) textures[i] = loaded[i].release();
    return true;
}

// Lays story blocks out as the game's story text and encodes its stored form.
#include "StoryEncoder.h"

namespace tools {

std::string layoutBlock(const StoryBlock& block) {
    std::string text;
    for (std::size_t i = 0; i < block.pages.size(); ++i) {
        const StoryPage& page = block.pages[i];
        if (i > 0) text += page.speaker == block.pages[i - 1].speaker ? "#\n" : "$\n";
        for (const StoryLine& line : page.lines) text += line.bytes + "\n";
    }
    text += "#\n\n\n@\n";
    return text;
}

std::size_t loadedBlockSize(const std::string& blockText) {
    std::size_t size = kBlockStartBytes;
    for (char c : blockText) {
        if (c == '@') break;
        size += (c == '\n' || c == '#' || c == '$') ? 2 : 1;
    }
    return size;
}

bool encodeStory(const std::string& fileName, const std::string& source, Bytes& stored, std::string& error) {
    stored.clear();
    std::vector<StoryBlock> blocks;
    if (!parseStorySource(fileName, source, blocks, error)) return false;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::string text = layoutBlock(blocks[b]);
        const std::size_t loaded = loadedBlockSize(text);
        if (loaded > kMaxLoadedBlockBytes) {
            error = fileName + ":" + std::to_string(blocks[b].headerLine) + ": block " + std::to_string(b) +
                    " takes " + std::to_string(loaded) + " bytes once loaded; a block holds at most " +
                    std::to_string(kMaxLoadedBlockBytes);
            stored.clear();
            return false;
        }
        for (char c : text)
            stored.push_back(c == '\n' ? 0x0A : static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + 1));
    }
    return true;
}

}  // namespace tools

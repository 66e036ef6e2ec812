// Lays story blocks out as the game's story text and encodes its stored form.
//
// Each page after a block's first begins with a line "$" when the speaker
// changes and "#" when the same speaker goes on. A block closes with "#" and
// two empty lines before its "@" line: the last page then waits for a confirm,
// and the conversation ends on the empty cell after it instead of on whatever an
// earlier load left in the table. Every stored byte except the line feed is the
// Shift-JIS byte plus one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "FileIo.h"
#include "StorySource.h"

namespace tools {

// What the loader writes for a block: the 16-byte block start, then every line
// feed, "#" and "$" twice and every other byte once. It must leave room in the
// 4096-byte block for nothing past the last byte, so at most this many.
constexpr std::size_t kMaxLoadedBlockBytes = 4095;
constexpr std::size_t kBlockStartBytes = 16;

// The Shift-JIS text of one block, ending with its "@" line.
std::string layoutBlock(const StoryBlock& block);

// The bytes the game's loader writes for a laid-out block (up to its "@").
std::size_t loadedBlockSize(const std::string& blockText);

// Parses the source and encodes the stored file, or sets error to "FILE:LINE: problem".
bool encodeStory(const std::string& fileName, const std::string& source, Bytes& stored, std::string& error);

}  // namespace tools

// The story text: the stored message blocks of "lnfpac/mout.fdat" (character
// 0) or "lnfpac/mout2.fdat" (character 1), decoded into a fixed table of
// Shift-JIS blocks for the conversation windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int kStoryBlockCount = 20;
constexpr int kStoryBlockSize = 4096;

// Each block starts with the same 16 bytes (two blank pages), then the text
// with every single-byte line feed, "#" and "$" doubled so that it stays a run
// of two-byte cells, ended by a zero byte.
extern char g_storyText[kStoryBlockCount][kStoryBlockSize];

// The story file of a character.
const char* storyTextFile(int character);

// Decodes stored bytes (every byte but the line feed raised by one; blocks end
// with an "@" line) into table, which is cleared first. Text that would run
// past a block or past the last block is cut; then the result is false and
// problem says what was cut. Never writes outside the table.
bool decodeStoryText(const uint8_t* data, size_t size,
                     char table[kStoryBlockCount][kStoryBlockSize], std::string* problem);

// Fills g_storyText from the file. A file that cannot be read, or whose text
// had to be cut, is reported once in a message; false then.
bool loadStoryText(const char* path);

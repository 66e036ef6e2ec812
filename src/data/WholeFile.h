// Reading a whole file into memory, telling a file that is not there apart
// from one that is there but cannot be read (a directory, a failing disk).
#pragma once

#include <cstdint>
#include <vector>

enum class FileReadResult { Read, CannotOpen, CannotRead };

// Fills bytes with the file's contents. On any failure bytes ends empty.
// Never throws on a read error: the error is the result.
FileReadResult readWholeFile(const char* path, std::vector<uint8_t>& bytes);

// The problem in words for a message: "ファイルが開けません" or
// "ファイルの読み込みに失敗しました"; empty for a file that was read.
const char* fileReadProblem(FileReadResult result);

// Whole-file reads and writes for the content tools.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

using Bytes = std::vector<std::uint8_t>;

// Reads the whole file; on failure sets error to "PATH: reason" and returns false.
bool readFile(const std::string& path, Bytes& out, std::string& error);

// Writes through a temporary file renamed over the target, so a failed run
// never leaves a half-written output behind for the build to pick up.
bool writeFile(const std::string& path, const Bytes& data, std::string& error);

// The part of path after its last '/'.
std::string baseName(const std::string& path);

void putU32(Bytes& out, std::uint32_t value);
std::uint32_t getU32(const Bytes& in, std::size_t offset);

}  // namespace tools

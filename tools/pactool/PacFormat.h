// The texture archive layout, written and checked by pactool.
//
// All integers little-endian, unsigned 32-bit:
//   offset 0              4    entry count N (at most kPacMaxEntries)
//   4 + 264*i             256  entry name, zero-terminated, zero-padded
//   4 + 264*i + 256       4    size of the entry's data
//   4 + 264*i + 260       4    offset of the entry's data from the file start
//   after the table            the entry data
// pactool writes the data contiguously in entry order right after the table;
// a reader must still seek to each entry's own offset.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FileIo.h"

namespace tools {

constexpr std::size_t kPacMaxEntries = 31;
constexpr std::size_t kPacNameSize = 256;
constexpr std::size_t kPacEntrySize = 264;

struct PacEntry {
    std::string name;
    Bytes data;
};

struct PacIndexEntry {
    std::string name;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

// Lays the entries out in the given order. Refuses more than kPacMaxEntries
// entries, names that do not fit the 256-byte field, and an archive past 4 GiB.
bool buildArchive(const std::vector<PacEntry>& entries, Bytes& out, std::string& error);

// Reads the table of contents, checking the count, the table's extent and that
// every entry's data lies inside the file.
bool parseArchive(const Bytes& archive, std::vector<PacIndexEntry>& index, std::string& error);

}  // namespace tools

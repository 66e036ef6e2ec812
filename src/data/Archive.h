// The texture archive reader. An archive is a table of contents followed by
// complete image files; entry i becomes texture i.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Device.h"

// The table holds at most this many entries; larger archives are refused.
constexpr uint32_t kArchiveMaxEntries = 31;

// The colour key of a key type (0 black, 1 pure red, 2 magenta); 0 (no key)
// for an unknown type.
uint32_t archiveColourKey(int keyType);

// Reads an archive held in memory. False, with problem saying why, when the
// table of contents is unusable (short, more than 31 entries, unknown key
// type); textures is then empty. Otherwise one texture per entry, null where
// an entry lies outside the data or does not decode, each such entry named in
// problem ("項目3: ...").
bool readArchive(const uint8_t* data, size_t size, int keyType,
                 std::vector<std::unique_ptr<platform::Texture>>& textures, std::string& problem);

// Reads the archive file at path into a newly allocated array of count
// texture pointers owned by the caller. A file that cannot be read shows
// "<path>を読み込めません: <reason>" and gives false with a null array and a
// count of 0; entries that fail are reported in one message and left null.
bool loadArchiveTextures(const char* path, int keyType, platform::Texture**& textures,
                         int& count);

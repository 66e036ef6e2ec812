// A digest of the game folder's data files, so that a replay played against
// other data than it was recorded with says so.
#pragma once

#include <cstdint>
#include <string>

// Every file of lnfpac/ but the player's wfdn.pac, out.txt and every file of
// dxm/, relative to folder: names and bytes, in the order of their names.
uint64_t gameDataDigest(const std::string& folder = ".");

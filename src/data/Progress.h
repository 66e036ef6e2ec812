// The progress flags: which gallery pictures are unlocked, kept in
// "lnfpac/wfdn.pac" as eight little-endian 32-bit integers (1 earned, 0 not).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kUnlockFlagCount = 8;
extern int32_t g_unlockFlags[kUnlockFlagCount];

constexpr const char* kProgressFile = "lnfpac/wfdn.pac";

// True when data holds the eight flags (extra bytes are ignored); flags is
// written only then.
bool decodeProgress(const uint8_t* data, size_t size, int32_t flags[kUnlockFlagCount]);

// Fills g_unlockFlags; a missing, short or unreadable file gives all flags 0
// and false (the file name goes to standard output, as the game has no log).
bool readProgress();
// Saves g_unlockFlags through a temporary file renamed over the old one, so a
// failed write never leaves a damaged file. False when nothing was saved.
bool writeProgress();

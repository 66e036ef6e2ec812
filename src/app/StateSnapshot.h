// A JSON snapshot of the game state for the headless runner: its keys stay
// stable as the game grows, so recorded runs can be compared later.
#pragma once

#include <cstdint>
#include <string>

std::string stateSnapshotJson();

// FNV-1a over bytes, for the runner's frame-exact hashes.
uint64_t fnv1a(const void* data, size_t size, uint64_t hash = 1469598103934665603ull);

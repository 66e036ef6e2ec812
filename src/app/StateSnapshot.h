// A JSON snapshot of the game state for the headless runner: its keys stay
// stable as the game grows, so recorded runs can be compared later.
#pragma once

#include <cstdint>
#include <string>

std::string stateSnapshotJson();

// A hash of the whole game state: every object of every list and the stand-
// alone ones, field by field, the player and its controls, score, the stage
// clock and script, scroll, map characters and the flags of play. Floats are
// hashed bit for bit, so equal hashes mean the same state to the last bit.
uint64_t stateHash();

// The same without the steps-per-second digits: they follow the wall clock,
// so a session played in real time and its replay on a virtual clock differ
// there and nowhere else.
uint64_t replayStateHash();

// FNV-1a over bytes, for the runner's frame-exact hashes.
uint64_t fnv1a(const void* data, size_t size, uint64_t hash = 1469598103934665603ull);

// The folder where every session's replay is kept: files named by the date
// and time the session started, so that they sort, and only the newest kept.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

constexpr int kReplaysKept = 50;

// Creates the folder if needed and a new replay file in it named for when
// (UTC); null with error when it cannot. path receives the file's path.
std::FILE* createReplayFile(const std::string& folder, std::time_t when, std::string& path, std::string* error);

// Deletes the oldest replays in folder until keep are left; other files stay.
void pruneReplays(const std::string& folder, int keep);

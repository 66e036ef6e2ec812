// A replay: the headless runner's input script of everything a session's
// game read, by frame, with a header and checks in '#' lines, which the
// script reader skips (so the runner's --input plays a replay too):
//
//   # lanternfall replay VERSION            first line: the program that recorded it
//   # seed N                                the time that seeded srand at start-up
//   # data HEX                              digest of the game folder's data files
//   # date YYYY-MM-DD HH:MM:SS UTC          when the session started
//   # player NAME HEX|empty|none            a player's file as the session found it
//   # start stage N character C sub-weapon S   a run begun straight in a stage
//   # game FRAME story|free character C sub-weapon S   a game starts
//   # stage FRAME start|clear N             a stage starts or is cleared
//   # hash FRAME HEX                        the state hash once frame FRAME is presented
//   # end FRAMES                            frames presented when the session ended
//
// Event, hash and end lines come in frame order. The game and stage lines are
// for people reading the file; other '#' lines are free comments. A last line
// without its newline was cut short by a crash and is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InputScript.h"

// The version of this program, which a replay must have been recorded by.
extern const char* const kProgramVersion;

// One of the player's files as a session started from it.
struct PlayerFileCopy {
    std::string name;  // as the game names it: "joyconfig.dat"
    bool present = false;
    std::vector<uint8_t> bytes;
};

struct ReplayHash {
    int frame = 0;
    uint64_t hash = 0;
    int line = 0;  // where the file gives it
};

struct Replay {
    std::string version = kProgramVersion;
    int64_t seed = 0;
    uint64_t dataDigest = 0;
    std::string date;
    std::vector<PlayerFileCopy> playerFiles;
    // A run that began straight in a stage (-1: at the title), as the
    // headless runner's --stage starts one.
    int startStage = -1;
    int startCharacter = 0;
    int startSubWeapon = 0;
    std::vector<platform::ScriptEvent> events;
    std::vector<ReplayHash> hashes;
    // Frames the session presented: its end line, or, for one cut short,
    // the frames its last lines reached.
    int frames = 0;
};

// Refuses a file of another version, a malformed line or a line out of frame
// order; error is "line N: problem".
bool parseReplay(std::string_view text, Replay& replay, std::string* error);
// The same for a file; error starts with its path.
bool loadReplay(const std::string& path, Replay& replay, std::string* error);

// The header lines (version to start), each with its newline.
std::string formatReplayHeader(const Replay& replay);
std::string hashLine(int frame, uint64_t hash);
// Sixteen hex digits, as hashes and digests are written.
std::string hexDigits(uint64_t value);
std::string endLine(int frames);

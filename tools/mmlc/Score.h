// A compiled score: the tempo and metre, and per track its channel settings
// and the notes the MML expanded to, in ticks of 480 per quarter note.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mmlc {

constexpr std::uint32_t kTicksPerQuarter = 480;
constexpr std::uint32_t kTicksPerWhole = 4 * kTicksPerQuarter;
constexpr int kDrumChannel = 10;

struct Note {
    std::uint32_t tick = 0;
    std::uint32_t length = 0;  // sounding length, after the gate
    int pitch = 60;
    int velocity = 90;
};

// A run of MML text: a track's or a phrase's lines, comments removed, with
// the file line of its first character so errors can point into it.
struct MmlBlock {
    std::string name;
    std::string text;
    int firstLine = 0;
};

struct Track {
    MmlBlock mml;
    int channel = 1;   // 1-16; 10 plays drums
    int program = 1;   // General MIDI, 1-128 as the instrument list numbers them
    int volume = 96;   // controller 7
    int pan = 64;      // controller 10
    int reverb = 40;   // controller 91
    int chorus = 0;    // controller 93
    std::vector<Note> notes;
    std::uint32_t endTick = 0;
};

struct Score {
    std::string fileName;
    int tempo = 120;  // quarter notes per minute
    int beatsPerBar = 4;
    int beatUnit = 4;
    std::vector<MmlBlock> phrases;
    std::vector<Track> tracks;
    std::uint32_t endTick = 0;

    std::uint32_t barTicks() const {
        return static_cast<std::uint32_t>(beatsPerBar) * kTicksPerWhole / static_cast<std::uint32_t>(beatUnit);
    }
};

// Reads a score and expands every track's MML into notes, checking that all
// tracks end together on a bar line. On failure returns false with
// "FILE:LINE: problem" in `error`.
bool parseScore(std::string_view text, const std::string& fileName, Score& out,
                std::string& error);

// Expands one track's MML into its notes and end tick (used by parseScore).
bool expandTrack(const Score& score, Track& track, std::string& error);

// The format 1 file: a tempo track, then one track per score track.
bool scoreToMidi(const Score& score, std::vector<std::uint8_t>& out, std::string& error);

}  // namespace mmlc

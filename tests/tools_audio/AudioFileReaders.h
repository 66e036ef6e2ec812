// Minimal readers for the files the audio tools write, so tests can check
// them field by field independently of the writers.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace audiotest {

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | b[at + i];
    return value;
}

inline std::uint32_t be(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | b[at + i];
    return value;
}

struct Wav {
    bool ok = false;
    std::string problem;
    int channels = 0, sampleRate = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return sampleRate ? double(samples.size()) / channels / sampleRate : 0.0; }
};

// Accepts exactly the canonical 44-byte header the game's loader expects.
inline Wav parseWav(const std::vector<std::uint8_t>& b) {
    Wav wav;
    auto tag = [&](std::size_t at, const char* t) { return b.size() >= at + 4 && std::equal(t, t + 4, b.begin() + at); };
    if (b.size() < 44 || !tag(0, "RIFF") || !tag(8, "WAVE") || !tag(12, "fmt ") || !tag(36, "data")) {
        wav.problem = "not a canonical RIFF WAVE";
        return wav;
    }
    if (le(b, 4, 4) != b.size() - 8) { wav.problem = "RIFF size"; return wav; }
    if (le(b, 16, 4) != 16 || le(b, 20, 2) != 1) { wav.problem = "fmt chunk"; return wav; }
    wav.channels = int(le(b, 22, 2));
    wav.sampleRate = int(le(b, 24, 4));
    wav.bits = int(le(b, 34, 2));
    if (le(b, 28, 4) != std::uint32_t(wav.sampleRate * wav.channels * 2) || le(b, 32, 2) != std::uint32_t(wav.channels * 2)) {
        wav.problem = "byte rate or block align";
        return wav;
    }
    if (le(b, 40, 4) != b.size() - 44) { wav.problem = "data size"; return wav; }
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) wav.samples.push_back(std::int16_t(le(b, i, 2)));
    wav.ok = true;
    return wav;
}

struct MidiNote {
    int channel, pitch, velocity;
    std::uint32_t on, off;
};

struct MidiTrack {
    std::uint32_t endTick = 0;
    std::vector<MidiNote> notes;
    std::map<int, int> controllersAtZero;  // controller number -> value
    int programAtZero = -1;
    int unmatchedOffs = 0;
    int openAtEnd = 0;
    bool endsWithEndOfTrack = false;
};

struct Midi {
    bool ok = false;
    std::string problem;
    int format = -1, division = 0;
    std::uint32_t tempo = 500000;  // microseconds per quarter
    std::vector<MidiTrack> tracks;
    double seconds() const {
        std::uint32_t end = 0;
        for (const MidiTrack& t : tracks) end = std::max(end, t.endTick);
        return division ? end / double(division) * tempo / 1e6 : 0.0;
    }
};

inline Midi parseMidi(const std::vector<std::uint8_t>& b) {
    Midi midi;
    auto fail = [&](const std::string& why) { midi.problem = why; return midi; };
    if (b.size() < 14 || be(b, 0, 4) != 0x4D546864 || be(b, 4, 4) != 6) return fail("MThd");
    midi.format = int(be(b, 8, 2));
    std::uint32_t trackCount = be(b, 10, 2);
    midi.division = int(be(b, 12, 2));
    std::size_t at = 14;
    for (std::uint32_t t = 0; t < trackCount; ++t) {
        if (at + 8 > b.size() || be(b, at, 4) != 0x4D54726B) return fail("MTrk " + std::to_string(t));
        std::size_t end = at + 8 + be(b, at + 4, 4);
        if (end > b.size()) return fail("MTrk length " + std::to_string(t));
        at += 8;
        MidiTrack track;
        std::map<std::pair<int, int>, std::pair<std::uint32_t, int>> open;  // tick, velocity
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        while (at < end) {
            std::uint32_t delta = 0;
            for (int i = 0;; ++i) {
                if (at >= end || i == 4) return fail("delta time");
                delta = delta << 7 | (b[at] & 0x7F);
                if (!(b[at++] & 0x80)) break;
            }
            tick += delta;
            if (at >= end) return fail("event");
            if (b[at] & 0x80) status = b[at++];
            if (status == 0xFF) {
                std::uint8_t type = b[at++];
                std::uint32_t length = 0;
                while (b[at] & 0x80) length = length << 7 | (b[at++] & 0x7F);
                length = length << 7 | b[at++];
                if (at + length > end) return fail("meta length");
                if (type == 0x51 && length == 3) midi.tempo = be(b, at, 3);
                if (type == 0x2F) {
                    track.endTick = tick;
                    track.endsWithEndOfTrack = at + length == end;
                }
                at += length;
                continue;
            }
            int kind = status & 0xF0, channel = (status & 0x0F) + 1;
            int a = b[at++];
            int v = (kind == 0xC0 || kind == 0xD0) ? 0 : b[at++];
            if (kind == 0x90 && v > 0) {
                if (open.count({channel, a})) ++track.unmatchedOffs;  // a second on before the off
                open[{channel, a}] = {tick, v};
            } else if (kind == 0x80 || (kind == 0x90 && v == 0)) {
                auto found = open.find({channel, a});
                if (found == open.end()) {
                    ++track.unmatchedOffs;
                } else {
                    track.notes.push_back({channel, a, found->second.second, found->second.first, tick});
                    open.erase(found);
                }
            } else if (kind == 0xB0 && tick == 0) {
                track.controllersAtZero[a] = v;
            } else if (kind == 0xC0 && tick == 0) {
                track.programAtZero = a;
            }
        }
        track.openAtEnd = int(open.size());
        midi.tracks.push_back(track);
        at = end;
    }
    if (at != b.size()) return fail("trailing bytes");
    midi.ok = true;
    return midi;
}

}  // namespace audiotest

// Standard MIDI File encoding: variable-length delta times, MTrk chunks and
// the MThd header of a format 1 file.
#include "Smf.h"

#include <algorithm>

namespace mmlc {
namespace {

void putBe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

bool appendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
    if (value > kMaxVarLen) return false;
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
    return true;
}

bool encodeSmf(std::vector<SmfTrack> tracks, std::uint16_t ticksPerQuarter,
               std::vector<std::uint8_t>& out, std::string& error) {
    out.clear();
    if (tracks.empty() || tracks.size() > 0xFFFF) {
        error = "a MIDI file needs between 1 and 65535 tracks";
        return false;
    }
    out.insert(out.end(), {'M', 'T', 'h', 'd'});
    putBe(out, 6, 4);
    putBe(out, 1, 2);
    putBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putBe(out, ticksPerQuarter, 2);
    for (std::size_t t = 0; t < tracks.size(); ++t) {
        SmfTrack& track = tracks[t];
        std::stable_sort(track.events.begin(), track.events.end(),
                         [](const TrackEvent& a, const TrackEvent& b) {
                             return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
                         });
        // No delta can exceed the end tick, so this one check covers them all.
        if (track.endTick > kMaxVarLen) {
            error = "track " + std::to_string(t) + " is too long for a MIDI file";
            return false;
        }
        std::vector<std::uint8_t> body;
        std::uint32_t now = 0;
        for (const TrackEvent& event : track.events) {
            if (event.tick > track.endTick) {
                error = "track " + std::to_string(t) + " has an event after its end";
                return false;
            }
            appendVarLen(body, event.tick - now);
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
            now = event.tick;
        }
        appendVarLen(body, track.endTick - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        putBe(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return true;
}

}  // namespace mmlc

// Standard MIDI File encoding: variable-length delta times, MTrk chunks and
// the MThd header of a format 1 file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mmlc {

// The largest delta time a four-byte variable-length quantity can hold.
constexpr std::uint32_t kMaxVarLen = 0x0FFFFFFF;

// Appends `value` seven bits at a time, most significant group first, every
// byte but the last with its top bit set. Returns false above kMaxVarLen.
bool appendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value);

struct TrackEvent {
    std::uint32_t tick = 0;
    int order = 0;  // among events on the same tick, lower goes first
    std::vector<std::uint8_t> bytes;  // status byte and data, or FF type length data
};

struct SmfTrack {
    std::vector<TrackEvent> events;
    std::uint32_t endTick = 0;  // where End of Track sits
};

// Layout: "MThd", 6, format 1, track count, ticks per quarter note; then per
// track "MTrk", byte count, (delta, event)... ending with FF 2F 00. Fails if
// an event lies past its track's end or a time does not fit a delta.
bool encodeSmf(std::vector<SmfTrack> tracks, std::uint16_t ticksPerQuarter,
               std::vector<std::uint8_t>& out, std::string& error);

}  // namespace mmlc

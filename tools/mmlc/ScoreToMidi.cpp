// Turns an expanded score into a format 1 MIDI file that loops cleanly: every
// track sets its instrument and controllers at tick 0 and ends on the same
// bar line with every note already released.
#include "Score.h"
#include "Smf.h"

namespace mmlc {
namespace {

// Among events on one tick: set-up first, then releases, then new notes, so
// a note repeated back to back is never cut by its own release.
constexpr int kOrderSetup = 0;
constexpr int kOrderNoteOff = 1;
constexpr int kOrderNoteOn = 2;

TrackEvent meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
    TrackEvent event{0, kOrderSetup, {0xFF, type}};
    appendVarLen(event.bytes, static_cast<std::uint32_t>(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

TrackEvent nameEvent(const std::string& name) {
    return meta(0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

TrackEvent channelEvent(std::uint8_t status, int channel, int a, int b, int order, std::uint32_t tick) {
    return TrackEvent{tick, order,
                      {static_cast<std::uint8_t>(status | (channel - 1)), static_cast<std::uint8_t>(a),
                       static_cast<std::uint8_t>(b)}};
}

SmfTrack tempoTrack(const Score& score) {
    SmfTrack track;
    track.endTick = score.endTick;
    std::string title = score.fileName.substr(score.fileName.find_last_of('/') + 1);
    track.events.push_back(nameEvent(title));
    int unitLog = 0;
    while ((1 << unitLog) < score.beatUnit) ++unitLog;
    // 24 MIDI clocks per metronome click, 8 thirty-second notes per quarter.
    track.events.push_back(meta(0x58, {static_cast<std::uint8_t>(score.beatsPerBar),
                                       static_cast<std::uint8_t>(unitLog), 24, 8}));
    std::uint32_t microseconds = 60000000u / static_cast<std::uint32_t>(score.tempo);
    track.events.push_back(meta(0x51, {static_cast<std::uint8_t>(microseconds >> 16),
                                       static_cast<std::uint8_t>(microseconds >> 8),
                                       static_cast<std::uint8_t>(microseconds)}));
    return track;
}

SmfTrack noteTrack(const Score& score, const Track& source) {
    SmfTrack track;
    track.endTick = score.endTick;
    int ch = source.channel;
    track.events.push_back(nameEvent(source.mml.name));
    // Everything a restart from the top depends on is set again at tick 0:
    // controllers reset, bank, program, volume, pan, reverb and chorus.
    TrackEvent program{0, kOrderSetup, {static_cast<std::uint8_t>(0xC0 | (ch - 1)),
                                        static_cast<std::uint8_t>(source.program - 1)}};
    track.events.push_back(channelEvent(0xB0, ch, 121, 0, kOrderSetup, 0));
    track.events.push_back(channelEvent(0xB0, ch, 0, 0, kOrderSetup, 0));
    track.events.push_back(program);
    track.events.push_back(channelEvent(0xB0, ch, 7, source.volume, kOrderSetup, 0));
    track.events.push_back(channelEvent(0xB0, ch, 10, source.pan, kOrderSetup, 0));
    track.events.push_back(channelEvent(0xB0, ch, 91, source.reverb, kOrderSetup, 0));
    track.events.push_back(channelEvent(0xB0, ch, 93, source.chorus, kOrderSetup, 0));
    for (const Note& note : source.notes) {
        track.events.push_back(channelEvent(0x90, ch, note.pitch, note.velocity, kOrderNoteOn, note.tick));
        track.events.push_back(channelEvent(0x80, ch, note.pitch, 64, kOrderNoteOff, note.tick + note.length));
    }
    return track;
}

}  // namespace

bool scoreToMidi(const Score& score, std::vector<std::uint8_t>& out, std::string& error) {
    std::vector<SmfTrack> tracks;
    tracks.push_back(tempoTrack(score));
    for (const Track& track : score.tracks) tracks.push_back(noteTrack(score, track));
    return encodeSmf(std::move(tracks), static_cast<std::uint16_t>(kTicksPerQuarter), out, error);
}

}  // namespace mmlc

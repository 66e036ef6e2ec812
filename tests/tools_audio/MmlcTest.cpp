// The music compiler: MML expansion into notes, the checks on a score, and
// the Standard MIDI File it writes.
#include "AudioFileReaders.h"
#include "Score.h"
#include "Smf.h"

#include <gtest/gtest.h>

namespace {

using namespace mmlc;

const std::string kHead = "tempo 120\ntime 4/4\n";

Score compileOrFail(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_TRUE(parseScore(text, "test.mml", score, error)) << error << "\n" << text;
    return score;
}

// The notes of a one-track score holding `mml`, in 1/64 time so that any
// whole number of sixty-fourth notes ends on a bar line.
std::vector<Note> notesOf(const std::string& mml, std::uint32_t* endTick = nullptr) {
    Score score = compileOrFail("tempo 120\ntime 1/64\ntrack T channel 1 program 1\n" + mml + "\n");
    if (endTick) *endTick = score.endTick;
    return score.tracks.empty() ? std::vector<Note>{} : score.tracks[0].notes;
}

TEST(Mmlc, VariableLengthQuantitiesAtTheirEdges) {
    struct Case {
        std::uint32_t value;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {0, {0x00}},
        {127, {0x7F}},
        {128, {0x81, 0x00}},
        {16383, {0xFF, 0x7F}},
        {16384, {0x81, 0x80, 0x00}},
        {2097151, {0xFF, 0xFF, 0x7F}},
        {2097152, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> out;
        EXPECT_TRUE(appendVarLen(out, c.value));
        EXPECT_EQ(out, c.bytes) << c.value;
    }
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(appendVarLen(out, 0x10000000));
    EXPECT_TRUE(out.empty());
}

TEST(Mmlc, SmfChunksCarryTheirLengths) {
    std::vector<SmfTrack> tracks(2);
    tracks[0].endTick = 960;
    tracks[1].events.push_back({480, 2, {0x90, 60, 100}});
    tracks[1].events.push_back({0, 0, {0xC0, 5}});
    tracks[1].events.push_back({960, 1, {0x80, 60, 64}});
    tracks[1].endTick = 960;
    std::vector<std::uint8_t> file;
    std::string error;
    ASSERT_TRUE(encodeSmf(tracks, 480, file, error)) << error;
    const std::vector<std::uint8_t> expected = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
        'M', 'T', 'r', 'k', 0, 0, 0, 5, 0x87, 0x40, 0xFF, 0x2F, 0x00,
        'M', 'T', 'r', 'k', 0, 0, 0, 17,
        0x00, 0xC0, 5, 0x83, 0x60, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 64, 0x00, 0xFF, 0x2F, 0x00,
    };
    EXPECT_EQ(file, expected);

    tracks[1].endTick = 900;  // the note-off now falls after the end
    EXPECT_FALSE(encodeSmf(tracks, 480, file, error));
}

TEST(Mmlc, LengthsDotsTiesGatesAndChords) {
    struct Case {
        std::string mml;
        std::vector<std::uint32_t> lengths;  // sounding length of each note in order
        std::uint32_t endTick;
    } cases[] = {
        {"c4 c8 c16 c1", {480, 240, 120, 1920}, 2760},
        {"c4. c8.. c2...", {720, 420, 1800}, 2940},
        {"c4^8 c4^16^32", {720, 660}, 1380},
        {"l8 c c. l4. c", {240, 360, 720}, 1320},
        {"c4 & c8 & c16", {840}, 840},
        {"c12 c12 c12 c24 c24 c24", {160, 160, 160, 80, 80, 80}, 720},
        {"q4 c4 q8 c4 q1 c64", {240, 480, 3}, 990},
        {"{c e g}2 r4 c4", {960, 960, 960, 480}, 1920},
        {"c4 r4 r2", {480}, 1920},
    };
    for (const Case& c : cases) {
        std::uint32_t end = 0;
        std::vector<Note> notes = notesOf(c.mml, &end);
        std::vector<std::uint32_t> lengths;
        for (const Note& note : notes) lengths.push_back(note.length);
        EXPECT_EQ(lengths, c.lengths) << c.mml;
        EXPECT_EQ(end, c.endTick) << c.mml;
    }
}

TEST(Mmlc, PitchesOctavesAndTranspose) {
    struct Case {
        std::string mml;
        std::vector<int> pitches;
    } cases[] = {
        {"o4 c d e f g a b", {60, 62, 64, 65, 67, 69, 71}},
        {"o4 c+ d# e- b+ c--", {61, 63, 63, 72, 58}},
        {"o4 c > c > c < < < c", {60, 72, 84, 48}},
        {"o0 c o9 g", {12, 127}},
        {"o4 k-2 c k12 c k0 c", {58, 72, 60}},
        {"o4 {c > c}4 c", {60, 72, 60}},  // an octave mark inside a chord stays there
    };
    for (const Case& c : cases) {
        std::vector<int> pitches;
        for (const Note& note : notesOf(c.mml)) pitches.push_back(note.pitch);
        EXPECT_EQ(pitches, c.pitches) << c.mml;
    }
}

TEST(Mmlc, LoopsAndPhrasesExpandToTheRightNotesAndTicks) {
    struct Case {
        std::string mml;
        std::string pitches;  // the note names played, in order
        std::uint32_t endTick;
    } cases[] = {
        {"l8 [c d e]3", "cdecdecde", 9 * 240},
        {"l8 [c d : e]3", "cdecdecd", 8 * 240},
        {"l8 [[c]2 d]3", "ccdccdccd", 9 * 240},
        {"l8 [c]1 [d]", "cdd", 3 * 240},
        {"l8 $p [$p]2", "cedcedced", 9 * 240},
        {"l8 [c4 & : ]2 c", "c", 1200},  // the ties join across the loop's end and out of it
    };
    for (const Case& c : cases) {
        std::uint32_t end = 0;
        Score score = compileOrFail("tempo 120\ntime 1/64\nphrase p\nc e d\ntrack T channel 1 program 1\n" + c.mml + "\n");
        ASSERT_EQ(score.tracks.size(), 1u);
        std::string names;
        for (const Note& note : score.tracks[0].notes) names += "c d ef g a b"[note.pitch % 12];
        end = score.endTick;
        EXPECT_EQ(names, c.pitches) << c.mml;
        EXPECT_EQ(end, c.endTick) << c.mml;
    }
}

TEST(Mmlc, DrumNamesOnlyOnTheDrumChannel) {
    Score score = compileOrFail(kHead + "track D channel 10\nl8 kick hat snare ride r8 crash8 c8 {kick crash}8\n");
    std::vector<int> pitches;
    for (const Note& note : score.tracks[0].notes) pitches.push_back(note.pitch);
    EXPECT_EQ(pitches, (std::vector<int>{36, 42, 38, 51, 49, 60, 36, 49}));
    EXPECT_EQ(score.endTick, 1920u);

    std::string error;
    EXPECT_FALSE(parseScore(kHead + "track P channel 1 program 1\nkick1\n", "test.mml", score, error));
    EXPECT_FALSE(parseScore(kHead + "track P channel 1 program 1\n{c kick}1\n", "test.mml", score, error));
}

TEST(Mmlc, BadScoresAreRejectedWithFileAndLine) {
    const std::string track = "track T channel 1 program 1\n";
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"time 4/4\n" + track + "c1\n", "test.mml:1: the score has no tempo"},
        {"tempo 500\n", "test.mml:1: tempo 500 is outside"},
        {kHead + "time 3/5\n", "test.mml:3: the beat unit must be"},
        {kHead + "c d e\n", "test.mml:3: music before the first phrase or track"},
        {kHead + track + "tempo 90\n", "test.mml:4: 'tempo' must come before"},
        {kHead + "track T channel 1\n", "test.mml:3: track T has no program"},
        {kHead + "track T channel 17 program 1\n", "test.mml:3: channel 17 is outside"},
        {kHead + track + "c1\ntrack U channel 1 program 2\nc1\n", "test.mml:5: tracks T and U share channel 1"},
        {kHead + track + "c1\n; a comment\nc4 x4\n", "test.mml:6: unexpected 'x'"},
        {kHead + track + "c4 c4 c4 | c4\n", "test.mml:4: '|' falls 1440 ticks into a bar"},
        {kHead + track + "c7\n", "test.mml:4: note length 7 does not divide"},
        {kHead + track + "c64...\n", "test.mml:4: too many dots"},
        {kHead + track + "c4 & d4 r2\n", "test.mml:4: a tie joins two different pitches"},
        {kHead + track + "c4 & r4 r2\n", "test.mml:4: a tie '&' must be followed by a note"},
        {kHead + track + "r1 c1 &\n", "test.mml:4: the track ends inside a tie"},
        {kHead + track + "[c4 d4\nr2\n", "test.mml:4: '[' without ']'"},
        {kHead + track + "c4 ] r2\n", "test.mml:4: ']' without '['"},
        {kHead + track + "c4 : r2\n", "test.mml:4: ':' outside a loop"},
        {kHead + track + "[c : d : e]2\n", "test.mml:4: a loop has two ':'"},
        {kHead + track + "o9 a\n", "test.mml:4: note 129 is outside the MIDI range"},
        {kHead + track + "o9 >\n", "test.mml:4: the octave leaves"},
        {kHead + track + "{c c}1\n", "test.mml:4: the chord repeats a pitch"},
        {kHead + track + "r1\n$nothing\n", "test.mml:5: unknown phrase '$nothing'"},
        {kHead + "phrase p\nc4 $p\n" + track + "$p\n", "test.mml:4: phrases nest too deep"},
        {kHead + "phrase p\nc4 x\n" + track + "$p\n", "test.mml:4: unexpected 'x' (in track T)"},
        {kHead + track + "c1\ntrack U channel 2 program 1\nc2\n", "test.mml:5: track U ends at tick 960 but track T at tick 1920"},
        {kHead + track + "c2\n", "test.mml:3: the piece ends 960 ticks into a bar"},
        {kHead + track + "[[[[r1]999]999]999]999\n", "test.mml:4: the track is too long"},
        {kHead + track + "[[[[ ]999]999]999]999\n", "test.mml:4: the track expands too far"},
    };
    for (const Case& c : cases) {
        Score score;
        std::string error;
        EXPECT_FALSE(parseScore(c.text, "test.mml", score, error)) << c.text;
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << "got: " << error << "\nfor:\n" << c.text;
    }
}

TEST(Mmlc, MidiFileLoopsCleanly) {
    Score score = compileOrFail(kHead +
                                "track Lead channel 1 program 78 volume 95 pan 40 reverb 50\n"
                                "o5 l8 [c d e g a4 g4 | e2 & e8 d c d | ]2\n"
                                "track Bass channel 2 program 34 volume 90\n"
                                "o2 l4 q6 [c c g g | a a g2 | ]2\n"
                                "track Drums channel 10 volume 85\n"
                                "l8 [kick hat snare hat]8\n");
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(scoreToMidi(score, bytes, error)) << error;
    audiotest::Midi midi = audiotest::parseMidi(bytes);
    ASSERT_TRUE(midi.ok) << midi.problem;
    EXPECT_EQ(midi.format, 1);
    EXPECT_EQ(midi.division, 480);
    EXPECT_EQ(midi.tempo, 500000u);
    ASSERT_EQ(midi.tracks.size(), 4u);
    const int programs[] = {77, 33, 0};
    const int volumes[] = {95, 90, 85};
    const int pans[] = {40, 64, 64};
    for (std::size_t t = 0; t < midi.tracks.size(); ++t) {
        const audiotest::MidiTrack& track = midi.tracks[t];
        EXPECT_EQ(track.endTick, 4u * 1920u) << t;
        EXPECT_TRUE(track.endsWithEndOfTrack) << t;
        EXPECT_EQ(track.unmatchedOffs, 0) << t;
        EXPECT_EQ(track.openAtEnd, 0) << t;
        if (t == 0) continue;
        EXPECT_EQ(track.programAtZero, programs[t - 1]) << t;
        EXPECT_EQ(track.controllersAtZero.at(7), volumes[t - 1]) << t;
        EXPECT_EQ(track.controllersAtZero.at(10), pans[t - 1]) << t;
        EXPECT_TRUE(track.controllersAtZero.count(91)) << t;
        for (const audiotest::MidiNote& note : track.notes) EXPECT_LE(note.off, track.endTick);
    }
    EXPECT_EQ(midi.tracks[1].notes.size(), 2u * 10u);  // the tie merges e2 & e8
    EXPECT_EQ(midi.tracks[3].notes.size(), 32u);
    EXPECT_DOUBLE_EQ(midi.seconds(), 8.0);
}

TEST(Mmlc, RepeatedNotesAreReleasedBeforeTheyStrikeAgain) {
    Score score = compileOrFail(kHead + "track T channel 1 program 1\nl16 [c]16\n");
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(scoreToMidi(score, bytes, error));
    audiotest::Midi midi = audiotest::parseMidi(bytes);
    ASSERT_TRUE(midi.ok);
    EXPECT_EQ(midi.tracks[1].unmatchedOffs, 0);
    ASSERT_EQ(midi.tracks[1].notes.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(midi.tracks[1].notes[i].on, 120u * i);
        EXPECT_EQ(midi.tracks[1].notes[i].off, 120u * (i + 1));
    }
}

}  // namespace

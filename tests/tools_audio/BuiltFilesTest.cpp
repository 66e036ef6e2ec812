// The sound effects and music the build put into the game folder: all 21
// files exist, parse, are current, and have the lengths and levels intended.
#include "AudioFileReaders.h"
#include "Score.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string dxm(const char* format, int n) {
    char name[32];
    std::snprintf(name, sizeof name, format, n);
    return std::string(LNF_GAME_DIR) + "/dxm/" + name;
}

TEST(BuiltAudio, SoundEffectsHaveTheirIntendedLengths) {
#ifndef LNF_AUDIO_CONTENT
    GTEST_SKIP() << "the game folder's content is not built in this configuration";
#endif
    // Seconds, shortest and longest: tap shots and ticks stay short because
    // they repeat; the special-attack finale and the stage clear may ring.
    const double lengths[16][2] = {
        {0.04, 0.12}, {0.08, 0.15}, {0.25, 0.40}, {0.25, 0.40}, {0.60, 0.90}, {0.03, 0.06},
        {0.15, 0.30}, {0.30, 0.40}, {1.00, 2.00}, {0.40, 0.70}, {0.06, 0.12}, {1.50, 3.00},
        {0.25, 0.50}, {0.03, 0.15}, {0.40, 0.60}, {0.25, 0.40},
    };
    for (int n = 0; n < 16; ++n) {
        std::string path = dxm("wav%02d.wav", n);
        audiotest::Wav wav = audiotest::parseWav(audiotest::readBytes(path));
        ASSERT_TRUE(wav.ok) << path << ": " << wav.problem;
        EXPECT_EQ(wav.channels, 1) << path;
        EXPECT_EQ(wav.bits, 16) << path;
        EXPECT_TRUE(wav.sampleRate == 44100 || wav.sampleRate == 22050) << path;
        EXPECT_GE(wav.seconds(), lengths[n][0] - 1e-3) << path;
        EXPECT_LE(wav.seconds(), lengths[n][1] + 1e-3) << path;
    }
}

TEST(BuiltAudio, MusicIsCurrentLongEnoughAndLoopsCleanly) {
#ifndef LNF_AUDIO_CONTENT
    GTEST_SKIP() << "the game folder's content is not built in this configuration";
#endif
    for (int n = 0; n < 5; ++n) {
        std::string path = dxm("mid%02d.mid", n);
        std::string scorePath = std::string(LNF_MUSIC_DIR) + "/mid0" + std::to_string(n) + ".mml";
        std::vector<std::uint8_t> bytes = audiotest::readBytes(path);
        mmlc::Score score;
        std::string error;
        std::vector<std::uint8_t> fresh;
        ASSERT_TRUE(mmlc::parseScore(audiotest::readText(scorePath), scorePath, score, error)) << error;
        ASSERT_TRUE(mmlc::scoreToMidi(score, fresh, error)) << error;
        EXPECT_EQ(bytes, fresh) << path << " is not the compiled " << scorePath;

        audiotest::Midi midi = audiotest::parseMidi(bytes);
        ASSERT_TRUE(midi.ok) << path << ": " << midi.problem;
        EXPECT_EQ(midi.format, 1) << path;
        ASSERT_GE(midi.tracks.size(), 4u) << path << ": melody, harmony, bass and drums at least";
        EXPECT_GE(midi.seconds(), 60.0) << path;
        EXPECT_LE(midi.seconds(), 240.0) << path;
        const std::uint32_t end = midi.tracks[0].endTick;
        EXPECT_EQ(end % score.barTicks(), 0u) << path;
        bool drums = false;
        for (std::size_t t = 0; t < midi.tracks.size(); ++t) {
            const audiotest::MidiTrack& track = midi.tracks[t];
            EXPECT_EQ(track.endTick, end) << path << " track " << t;
            EXPECT_EQ(track.unmatchedOffs, 0) << path << " track " << t;
            EXPECT_EQ(track.openAtEnd, 0) << path << " track " << t;
            if (t == 0) continue;
            EXPECT_FALSE(track.notes.empty()) << path << " track " << t;
            // Moderate levels leave headroom for the sound effects on top.
            EXPECT_LE(track.controllersAtZero.at(7), 105) << path << " track " << t;
            EXPECT_GE(track.programAtZero, 0) << path << " track " << t;
            for (const audiotest::MidiNote& note : track.notes) {
                EXPECT_LE(note.off, end);
                EXPECT_LE(note.velocity, 115) << path << " track " << t << " tick " << note.on;
                drums = drums || note.channel == 10;
            }
        }
        EXPECT_TRUE(drums) << path;
    }
}

}  // namespace

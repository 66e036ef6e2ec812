// Reading replay files: what is refused and why, what a crash leaves behind,
// and the header read back as it was written.
#include <gtest/gtest.h>

#include <string>

#include "replay/ReplayFile.h"

namespace {

const std::string kHeader = std::string("# lanternfall replay ") + kProgramVersion + "\n# seed 5\n# data 00ff\n";

TEST(ReplayFile, RefusesABadFileNamingTheLine)
{
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"# lanternfall replay 0.9.0\n# seed 5\n# data 1\n",
         std::string("line 1: recorded by version 0.9.0, which this program (") + kProgramVersion + ") does not know"},
        {"0 key z down\n", "line 1: not a Lanternfall replay (it starts \"# lanternfall replay VERSION\")"},
        {kHeader + "12 key q down\n", "line 4: unknown key \"q\""},
        {kHeader + "# hash 60 xyz\n", "line 4: expected \"# hash FRAME HEX\""},
        {kHeader + "# seed -3\n", "line 4: expected \"# seed N\""},
        {kHeader + "10 key z down\n# hash 5 ab\n", "line 5: frame 5 comes after frame 10"},
        {kHeader + "# hash 60 ab\n59 key z up\n", "line 5: frame 59 comes after frame 60"},
        {kHeader + "# player ../../.profile 00\n", "line 4: \"../../.profile\" is not one of the player's files"},
        {kHeader + "# player joyconfig.dat 3\n", "line 4: expected \"# player NAME HEX|empty|none\""},
        {kHeader + "# start stage 6 character 0 sub-weapon 0\n",
         "line 4: expected \"# start stage 1-5 character 0-1 sub-weapon 0-3\""},
        {"# lanternfall replay " + std::string(kProgramVersion) + "\n# data 1\n", "the header has no seed line"},
        {"", "the file is empty"},
    };
    for (const auto& c : cases) {
        Replay replay;
        std::string error;
        EXPECT_FALSE(parseReplay(c.text, replay, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(ReplayFile, AHalfWrittenLastLineIsIgnoredAndTheLengthIsWhatTheLinesReached)
{
    const struct {
        std::string body;
        size_t events;
        int frames;
    } cases[] = {
        {"3 key z down\n# hash 60 1\n61 key z up\n# end 90\n", 2, 90},
        {"3 key z down\n# hash 60 1\n61 key z up\n# end 9", 2, 62},  // the end line was cut short
        {"3 key z down\n# hash 60 1\n61 key z", 1, 61},
        {"# game 3 free character 0 sub-weapon 0\n3 press escape\n", 1, 4},
    };
    for (const auto& c : cases) {
        Replay replay;
        std::string error;
        ASSERT_TRUE(parseReplay(kHeader + c.body, replay, &error)) << c.body << ": " << error;
        EXPECT_EQ(replay.events.size(), c.events) << c.body;
        EXPECT_EQ(replay.frames, c.frames) << c.body;
    }
}

TEST(ReplayFile, TheHeaderReadsBackAsWritten)
{
    Replay written;
    written.seed = 1715000000;
    written.dataDigest = 0x8000000000000001ull;
    written.date = "2024-05-06 14:03:20 UTC";
    written.playerFiles = {{"joyconfig.dat", true, {'0', '\n', 0xff}},
                           {"lnfpac/wfdn.pac", true, {}},
                           {"lnfpac/wfdn.pac", false, {}}};
    written.startStage = 3;
    written.startCharacter = 1;
    written.startSubWeapon = 2;
    Replay read;
    std::string error;
    ASSERT_TRUE(parseReplay(formatReplayHeader(written) + hashLine(60, 0xfedcba9876543210ull), read, &error))
        << error;
    EXPECT_EQ(read.seed, written.seed);
    EXPECT_EQ(read.dataDigest, written.dataDigest);
    EXPECT_EQ(read.date, written.date);
    ASSERT_EQ(read.playerFiles.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.playerFiles[i].name, written.playerFiles[i].name) << i;
        EXPECT_EQ(read.playerFiles[i].present, written.playerFiles[i].present) << i;
        EXPECT_EQ(read.playerFiles[i].bytes, written.playerFiles[i].bytes) << i;
    }
    EXPECT_EQ(read.startStage, 3);
    EXPECT_EQ(read.startCharacter, 1);
    EXPECT_EQ(read.startSubWeapon, 2);
    ASSERT_EQ(read.hashes.size(), 1u);
    EXPECT_EQ(read.hashes[0].hash, 0xfedcba9876543210ull);
    EXPECT_EQ(read.hashes[0].line, 9);
}

}  // namespace

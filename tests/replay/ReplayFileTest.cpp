// Reading replay files: what is refused and why, what a crash leaves behind,
// and the header read back as it was written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "replay/KeyPulses.h"
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
        {kHeader + "12 key z pulse 0 1 5\n",
         "line 4: a pulse holds the key down and up for 1 or more frames, 1 to 10000 times"},
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

// The events of a replay body by frame; within a frame, each key's in order.
std::vector<std::string> eventsOf(const std::string& body)
{
    Replay replay;
    std::string error;
    EXPECT_TRUE(parseReplay(kHeader + body, replay, &error)) << error;
    std::vector<std::string> lines;
    for (const platform::ScriptEvent& e : replay.events) lines.push_back(platform::formatScriptEvent(e));
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b) || (std::stoi(a) == std::stoi(b) && a.substr(0, a.rfind(' ')) <
                                                                                   b.substr(0, b.rfind(' ')));
    });
    return lines;
}

TEST(ReplayFile, SteadyPressesShrinkToPulseLinesThatReadBackToTheSameEvents)
{
    std::string rapid;  // z every other frame, x every fourth, left unsteadily
    const std::vector<int> left = {13, 14, 20, 29, 33, 47};
    for (int f = 10; f < 60; ++f) {
        rapid += std::to_string(f) + " key z " + (f % 2 ? "up" : "down") + "\n";
        if (f % 2 == 0) rapid += std::to_string(f) + " key x " + (f % 4 ? "up" : "down") + "\n";
        if (const auto at = std::find(left.begin(), left.end(), f); at != left.end())
            rapid += std::to_string(f) + " key left " + ((at - left.begin()) % 2 ? "up" : "down") + "\n";
        if (f == 30) rapid += "# hash 30 1\n";
    }
    const struct {
        std::string body;
        size_t lines;  // after compacting
    } cases[] = {
        {rapid, 10},  // a pulse for z, x's first up and a pulse, six for left, the hash
        // Two presses are no run; a rhythm that changes starts a new one.
        {"1 key z down\n2 key z up\n3 key z down\n4 key z up\n", 4},
        {"1 key z down\n2 key z up\n3 key z down\n4 key z up\n5 key z down\n6 key z up\n"
         "8 key z down\n10 key z up\n12 key z down\n14 key z up\n16 key z down\n18 key z up\n20 key z down\n",
         3},
        // Escape's key-downs keep their own lines.
        {"1 key escape down\n2 key escape up\n3 key escape down\n4 key escape up\n5 key escape down\n"
         "6 key escape up\n",
         6},
    };
    for (const auto& c : cases) {
        const std::string compact = compactKeyPulses(c.body);
        EXPECT_EQ(std::count(compact.begin(), compact.end(), '\n'), static_cast<long>(c.lines)) << compact;
        EXPECT_EQ(eventsOf(compact), eventsOf(c.body)) << compact;
    }
}

}  // namespace

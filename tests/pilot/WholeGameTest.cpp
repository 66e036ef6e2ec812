// Whole games played by the pilot through the headless runner, from the title
// to the ending, one per character, each in a scratch copy of the game folder
// (the runner saves the player's files into the folder it plays in). Each run
// is recorded; its replay must be the golden one kept in tests/golden/, and
// that one must play back with every hash. The sanitizer build, much slower,
// plays the first stage of one of them.
//
// A change that alters the game on purpose makes new golden replays:
//   LNF_REGENERATE_GOLDEN=1 ctest --preset default -R PilotGame
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct StageClear {
    int stage, frame, damage, continues, score;
};

class PilotGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(program)) << program;
        char pattern[] = "/tmp/lnf-pilot-XXXXXX";
        folder = mkdtemp(pattern);
        freshGameFolder(folder / "game");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // A copy of the built game folder as a new player finds it: unlocks that
    // a run by hand left in the build are not carried into the replay.
    static void freshGameFolder(const std::filesystem::path& game)
    {
        std::filesystem::remove_all(game);
        std::filesystem::copy(LNF_GAME_DIR, game, std::filesystem::copy_options::recursive);
        std::filesystem::remove(game / "lnfpac" / "wfdn.pac");
    }

    // Plays with the pilot, recording the run; the exit status. The pilot's
    // lines land in clears, ending and gaveUp; the log, the dump and the
    // replay stay in the folder.
    int play(bool story, int character, int subWeapon, int frames)
    {
        const std::string command = program.string() + " --data " + (folder / "game").string() +
                                    " --pilot " + (story ? "story" : "free") + " --character " +
                                    std::to_string(character) + " --sub-weapon " +
                                    std::to_string(subWeapon) + " --frames " +
                                    std::to_string(frames) + " --log " + log().string() +
                                    " --dump 300:" + dump().string() + " --record " + recording().string() +
                                    " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return -1;
        char line[512];
        while (std::fgets(line, sizeof line, pipe)) {
            StageClear c{};
            int frame = 0;
            if (std::sscanf(line, "pilot: stage %d cleared at frame %d, damage %d, continues %d, score %d",
                            &c.stage, &c.frame, &c.damage, &c.continues, &c.score) == 5)
                clears.push_back(c);
            else if (std::sscanf(line, "pilot: ending at frame %d", &frame) == 1)
                ending = frame;
            else if (std::string(line).rfind("pilot: gave up", 0) == 0)
                gaveUp = line;
        }
        int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Plays a replay back in a fresh copy of the game folder; the exit
    // status, 0 when every hash came out the same.
    int playBack(const std::filesystem::path& replay) const
    {
        const std::filesystem::path game = folder / "playback";
        freshGameFolder(game);
        const std::string command =
            program.string() + " --data " + game.string() + " --replay " + replay.string() + " >/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Where the first difference between the run's replay and the golden one
    // is; empty when they are the same but for the date they were made.
    static std::string firstDifference(const std::filesystem::path& made, const std::filesystem::path& golden)
    {
        std::ifstream a(made), b(golden);
        std::string lineA, lineB;
        for (int number = 1;; ++number) {
            const bool moreA = static_cast<bool>(std::getline(a, lineA));
            const bool moreB = static_cast<bool>(std::getline(b, lineB));
            if (!moreA && !moreB) return {};
            if (moreA && moreB && (lineA == lineB || (lineA.rfind("# date ", 0) == 0 && lineB.rfind("# date ", 0) == 0)))
                continue;
            return "line " + std::to_string(number) + ": the run has \"" + (moreA ? lineA : "(end)") +
                   "\", the golden replay \"" + (moreB ? lineB : "(end)") + "\"";
        }
    }

    // The run reproduces bit for bit: its replay is the golden one, and the
    // golden one plays back with every hash.
    void matchesTheGoldenReplay(const std::string& name)
    {
        const std::filesystem::path golden = std::filesystem::path(LNF_GOLDEN_DIR) / name;
        if (std::getenv("LNF_REGENERATE_GOLDEN")) {
            std::filesystem::copy_file(recording(), golden, std::filesystem::copy_options::overwrite_existing);
            return;
        }
        ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
        const std::string difference = firstDifference(recording(), golden);
        EXPECT_EQ(difference, "") << "the game no longer plays as " << golden
                                  << " recorded; if that is meant, make new golden replays with "
                                     "LNF_REGENERATE_GOLDEN=1 ctest --preset default -R PilotGame";
        EXPECT_EQ(playBack(golden), 0) << golden << " desynchronised";
        if (!difference.empty()) {
            EXPECT_EQ(playBack(recording()), 0) << "the run's own replay desynchronised";
        }
    }

    std::filesystem::path log() const { return folder / "run.jsonl"; }
    std::filesystem::path recording() const { return folder / "run.replay"; }
    std::filesystem::path dump() const { return folder / "start.json"; }

    // The frames of the log lines that contain needle.
    std::vector<int> framesOf(const std::string& needle) const
    {
        std::vector<int> frames;
        std::ifstream file(log());
        for (std::string line; std::getline(file, line);)
            if (line.find(needle) != std::string::npos)
                frames.push_back(std::atoi(line.c_str() + line.find(':') + 1));
        return frames;
    }
    static int countBetween(const std::vector<int>& frames, int after, int upTo)
    {
        int n = 0;
        for (int f : frames)
            n += f > after && f <= upTo;
        return n;
    }

    std::string startState() const
    {
        std::ifstream file(dump());
        std::string text;
        std::getline(file, text);
        return text;
    }

    std::vector<int> unlockFlags() const
    {
        std::ifstream file(folder / "game" / "lnfpac" / "wfdn.pac", std::ios::binary);
        std::vector<int> flags;
        for (int i = 0; i < 8; ++i) {
            unsigned char b[4] = {};
            file.read(reinterpret_cast<char*>(b), 4);
            flags.push_back(b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24);
        }
        return flags;
    }

    // The story from the title to the ending with one loadout.
    void playsTheWholeStory(int character, int subWeapon)
    {
        EXPECT_EQ(play(true, character, subWeapon, 120000), 0) << gaveUp;
        const std::string start = startState();
        EXPECT_NE(start.find("\"scene\":0,\"stageIndex\":0"), std::string::npos) << start;
        // Each character has its own four sub-weapon types.
        EXPECT_NE(start.find("\"character\":" + std::to_string(character) + ",\"subWeapon\":" +
                             std::to_string(4 * character + subWeapon)),
                  std::string::npos)
            << "the pilot chose the loadout on the selection screen: " << start;
        EXPECT_NE(start.find("\"storyMode\":1"), std::string::npos);

        // The stages clear in order; each boss arrives (its music) and dies
        // (the stage-clear sound) on the frame the pilot reports.
        ASSERT_EQ(clears.size(), 5u);
        const std::vector<int> bossMusic = framesOf("\"type\":\"music\",\"n\":4,");
        const std::vector<int> finalMusic = framesOf("\"type\":\"music\",\"n\":3,");
        const std::vector<int> cleared = framesOf("\"type\":\"sound\",\"n\":11,");
        ASSERT_EQ(cleared.size(), 5u);
        int previous = 0;
        int banked = 0;
        for (int i = 0; i < 5; ++i) {
            const StageClear& c = clears[i];
            EXPECT_EQ(c.stage, i + 1);
            EXPECT_EQ(c.frame, cleared[i]) << "stage " << c.stage;
            EXPECT_GE(countBetween(i < 4 ? bossMusic : finalMusic, previous, c.frame), 1)
                << "stage " << c.stage << "'s boss arrives";
            // The clear banks the stage's score and its bonus for the
            // craft's remaining hit points.
            EXPECT_GT(c.score, banked) << "stage " << c.stage;
            banked = c.score;
            previous = c.frame;
        }

        // The ending conversation is typed after the last clear, and the
        // game is back at the title when the pilot says so.
        ASSERT_GT(ending, clears.back().frame);
        EXPECT_GT(countBetween(framesOf("\"type\":\"text\""), clears.back().frame, ending), 20);
        EXPECT_EQ(countBetween(framesOf("\"type\":\"scene\",\"scene\":1}"), ending - 1, ending), 1);

        // Every boss's picture is unlocked and saved.
        const std::vector<int> flags = unlockFlags();
        for (int i = 2; i < 8; ++i)
            EXPECT_EQ(flags[i], 1) << "gallery picture " << i;
    }

    std::filesystem::path program =
        std::filesystem::path(LNF_GAME_DIR) / ".." / "src" / "lanternfall-headless";
    std::filesystem::path folder;
    std::vector<StageClear> clears;
    int ending = -1;
    std::string gaveUp;
};

#ifndef LNF_SANITIZED

TEST_F(PilotGame, PlaysTheWholeStoryWithTheFirstCharacterAndTheSword)
{
    playsTheWholeStory(0, 1);
    matchesTheGoldenReplay("story-character0-sword.replay");
}

TEST_F(PilotGame, PlaysTheWholeStoryWithTheSecondCharacterAndTheRain)
{
    playsTheWholeStory(1, 2);
    matchesTheGoldenReplay("story-character1-rain.replay");
}

#else

// The first stage of the first whole game and its clear screen, then the
// run is cut short.
TEST_F(PilotGame, ClearsTheFirstStage)
{
    EXPECT_EQ(play(true, 0, 1, 10600), 1);
    ASSERT_EQ(clears.size(), 1u) << gaveUp;
    EXPECT_EQ(clears[0].stage, 1);
    EXPECT_EQ(clears[0].frame, framesOf("\"type\":\"sound\",\"n\":11,").at(0));
    EXPECT_NE(gaveUp.find("in stage 2"), std::string::npos) << gaveUp;
}

#endif

}  // namespace

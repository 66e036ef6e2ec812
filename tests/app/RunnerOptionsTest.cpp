// The headless runner's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RunnerOptions.h"

namespace {

bool parse(std::vector<const char*> args, RunnerOptions& options, std::string& error)
{
    args.insert(args.begin(), "lanternfall-headless");
    return parseRunnerOptions(static_cast<int>(args.size()), args.data(), options, &error);
}

TEST(RunnerOptions, ReadsEveryOption)
{
    RunnerOptions options;
    std::string error;
    ASSERT_TRUE(parse({"--data", "game", "--frames", "120", "--seed", "7", "--input", "in.txt",
                       "--screenshot", "10:a.png", "--screenshot", "20:b.png", "--log", "run.jsonl",
                       "--dump", "30:s.json", "--hash-every", "60", "--stage", "3", "--character",
                       "1", "--sub-weapon", "2", "--pilot", "free"},
                      options, error))
        << error;
    EXPECT_EQ(options.dataDir, "game");
    EXPECT_EQ(options.frames, 120);
    EXPECT_EQ(options.seed, 7);
    ASSERT_EQ(options.screenshots.size(), 2u);
    EXPECT_EQ(options.screenshots[1].first, 20);
    EXPECT_EQ(options.screenshots[1].second, "b.png");
    EXPECT_EQ(options.dumps[0].first, 30);
    EXPECT_EQ(options.hashEvery, 60);
    EXPECT_EQ(options.stage, 3);
    EXPECT_EQ(options.character, 1);
    EXPECT_EQ(options.subWeapon, 2);
    EXPECT_EQ(options.pilot, RunnerOptions::Pilot::Free);

    RunnerOptions piloted;
    ASSERT_TRUE(parse({"--pilot", "story", "--character", "1"}, piloted, error)) << error;
    EXPECT_EQ(piloted.pilot, RunnerOptions::Pilot::Story);
    EXPECT_EQ(piloted.character, 1);
}

TEST(RunnerOptions, RefusesWhatItCannotUse)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--frames"},                // no value
        {"--frames", "ten"},         // not a number
        {"--frames", "-1"},
        {"--screenshot", "a.png"},   // no frame
        {"--screenshot", "5:"},      // no path
        {"--stage", "6"},            // five stages
        {"--character", "2"},
        {"--sub-weapon", "4"},
        {"--hash-every", "0"},
        {"--colour", "red"},
        {"--character", "1"},        // a loadout without a stage to start in
        {"--sub-weapon", "2", "--frames", "5"},
        {"--replay", "r.replay", "--seed", "3"},  // a replay carries its own input, seed and start
        {"--input", "in.txt", "--replay", "r.replay"},
        {"--pilot", "free", "--replay", "r.replay"},
        {"--pilot", "fly"},
        {"--pilot", "story", "--stage", "2"},  // the story starts at the title
    };
    for (const auto& args : bad) {
        RunnerOptions options;
        std::string error;
        EXPECT_FALSE(parse(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace

// The replays folder: new files named so that they sort, the newest fifty kept.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "replay/ReplayFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(ReplayFolder, SessionsSortByTimeAndTheNewestFiftyAreKept)
{
    char pattern[] = "/tmp/lnf-replays-XXXXXX";
    const fs::path folder = fs::path(mkdtemp(pattern)) / "replays";
    std::string error;
    std::vector<std::string> made;
    // Two days of sessions, newest last; three in the same second.
    const std::time_t day = 86400;
    for (std::time_t when : {2 * day, 2 * day, 2 * day, 2 * day + 1, day}) {
        std::string path;
        std::FILE* file = createReplayFile(folder.string(), when, path, &error);
        ASSERT_NE(file, nullptr) << error;
        std::fclose(file);
        made.push_back(fs::path(path).filename().string());
    }
    EXPECT_EQ(made[0], "1970-01-03_00-00-00.replay");
    EXPECT_EQ(made[1], "1970-01-03_00-00-00_2.replay");
    std::vector<std::string> sorted = made;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{made[4], made[0], made[1], made[2], made[3]}));

    for (int i = 0; i < 50; ++i) std::ofstream(folder / ("1969-12-31_00-00-" + std::to_string(10 + i) + ".replay"));
    std::ofstream(folder / "notes.txt");
    pruneReplays(folder.string(), kReplaysKept);
    int replays = 0;
    for (const auto& entry : fs::directory_iterator(folder)) replays += entry.path().extension() == ".replay";
    EXPECT_EQ(replays, 50);
    EXPECT_FALSE(fs::exists(folder / "1969-12-31_00-00-14.replay")) << "the five oldest go";
    EXPECT_TRUE(fs::exists(folder / "1969-12-31_00-00-15.replay"));
    EXPECT_TRUE(fs::exists(folder / made[3]));
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));

    // A folder that cannot be made is refused with its name.
    std::string path;
    EXPECT_EQ(createReplayFile((folder / "notes.txt" / "replays").string(), day, path, &error), nullptr);
    EXPECT_NE(error.find("notes.txt"), std::string::npos) << error;
    fs::remove_all(folder.parent_path());
}

}  // namespace

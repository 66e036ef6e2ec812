// Files that are there but cannot be read (here a directory in their place):
// every loader reports the file and the problem and goes on with its fallback
// instead of aborting on the read error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "TestFiles.h"
#include "data/Archive.h"
#include "data/ButtonConfig.h"
#include "data/Progress.h"
#include "data/StoryText.h"
#include "stage/DrawScreenMap.h"
#include "stage/StageScript.h"

class UnreadableFile : public testfiles::InTempDir {};

TEST_F(UnreadableFile, MessageBoxLoadersNameTheFileAndFallBack) {
    const char* kCannotRead = "読み込みに失敗しました";
    for (const char* path : {"lnfpac/front.pac", "joyconfig.dat", "lnfpac/mout.fdat", "lnfpac/map.pac"})
        std::filesystem::create_directory(path);

    platform::Texture** textures = nullptr;
    int count = -1;
    EXPECT_FALSE(loadArchiveTextures("lnfpac/front.pac", 2, textures, count));
    EXPECT_EQ(textures, nullptr);
    EXPECT_EQ(count, 0);

    std::fill(g_actionButton, g_actionButton + kActionCount, 5);
    EXPECT_FALSE(readButtonConfig());
    EXPECT_TRUE(std::equal(g_actionButton, g_actionButton + kActionCount, kDefaultActionButton));

    std::memset(g_storyText, 'x', sizeof g_storyText);
    EXPECT_FALSE(loadStoryText("lnfpac/mout.fdat"));
    EXPECT_EQ(std::string(g_storyText[0]), std::string("  \n\n$$\n\n  \n\n$$\n\n", 16));
    EXPECT_EQ(g_storyText[1][0], 0);

    EXPECT_FALSE(loadStageMap(0));

    const char* names[] = {"lnfpac/front.pac", "joyconfig.dat", "lnfpac/mout.fdat", "map.pac"};
    ASSERT_EQ(messages().size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(messages()[i].find(names[i]), std::string::npos) << messages()[i];
        EXPECT_NE(messages()[i].find(kCannotRead), std::string::npos) << messages()[i];
    }
}

TEST_F(UnreadableFile, ConsoleLoadersSayItOnStandardOutputAndStartEmpty) {
    std::filesystem::create_directory(kProgressFile);
    std::filesystem::create_directory("out.txt");
    std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 1);
    g_stageScriptLength = 5;
    g_stageScript[0][0] = 7;

    testing::internal::CaptureStdout();
    EXPECT_FALSE(readProgress());
    loadStageScript();
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();

    EXPECT_TRUE(std::all_of(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, [](int32_t f) { return f == 0; }));
    EXPECT_EQ(g_stageScriptLength, 0);
    EXPECT_EQ(g_stageScript[0][0], 0);
    EXPECT_NE(out.find(std::string(kProgressFile) + ": 読み込めません"), std::string::npos) << out;
    EXPECT_NE(out.find("out.txt: the file cannot be read"), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::is_directory(kProgressFile));  // nothing written over it
    EXPECT_TRUE(messages().empty());
}

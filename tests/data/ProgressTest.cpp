// The progress file: its 32-byte layout, safe saving, and short files.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/Progress.h"
#include "TestFiles.h"

class ProgressFile : public testfiles::InTempDir {};

TEST_F(ProgressFile, RoundTripInTheLittleEndianLayout) {
    int32_t flags[kUnlockFlagCount] = {1, 0, 1, 0, 0, 0, 0, 258};
    std::copy(flags, flags + kUnlockFlagCount, g_unlockFlags);
    ASSERT_TRUE(writeProgress());
    std::vector<uint8_t> bytes = readFile(kProgressFile);
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[28], 2);
    EXPECT_EQ(bytes[29], 1);
    EXPECT_FALSE(std::filesystem::exists(std::string(kProgressFile) + ".tmp"));

    std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 7);
    ASSERT_TRUE(readProgress());
    EXPECT_TRUE(std::equal(flags, flags + kUnlockFlagCount, g_unlockFlags));
}

TEST_F(ProgressFile, TheThirdIntegerUnlocksPictureTwoOnly) {
    std::vector<uint8_t> bytes(32, 0);
    bytes[8] = 1;
    writeFile(kProgressFile, bytes);
    ASSERT_TRUE(readProgress());
    for (int i = 0; i < kUnlockFlagCount; ++i) EXPECT_EQ(g_unlockFlags[i], i == 2 ? 1 : 0) << i;
}

TEST_F(ProgressFile, ShortOrMissingFilesReadAsAllLockedAndAreLeftAlone) {
    std::vector<uint8_t> shortFile(31, 1);
    writeFile(kProgressFile, shortFile);
    std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 1);
    EXPECT_FALSE(readProgress());
    EXPECT_TRUE(std::all_of(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, [](int32_t f) { return f == 0; }));
    EXPECT_EQ(readFile(kProgressFile), shortFile);

    std::filesystem::remove(kProgressFile);
    std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 1);
    EXPECT_FALSE(readProgress());
    EXPECT_EQ(g_unlockFlags[0], 0);
    EXPECT_FALSE(std::filesystem::exists(kProgressFile));
    EXPECT_TRUE(messages().empty());  // reported on standard output only
}

TEST_F(ProgressFile, AFailedSaveKeepsTheOldFileWhole) {
    std::vector<uint8_t> old(32, 0);
    old[0] = 1;
    writeFile(kProgressFile, old);
    // The temporary file cannot be created: a directory holds its name.
    std::filesystem::create_directory(std::string(kProgressFile) + ".tmp");
    std::fill(g_unlockFlags, g_unlockFlags + kUnlockFlagCount, 1);
    EXPECT_FALSE(writeProgress());
    EXPECT_EQ(readFile(kProgressFile), old);
    std::filesystem::remove(std::string(kProgressFile) + ".tmp");

    std::filesystem::remove_all("lnfpac");
    EXPECT_FALSE(writeProgress());
}

TEST(Progress, DecodeNeedsAllEightFlags) {
    uint8_t bytes[40] = {};
    bytes[4] = 0xFF;
    bytes[5] = 0xFF;
    bytes[6] = 0xFF;
    bytes[7] = 0xFF;
    int32_t flags[kUnlockFlagCount] = {5, 5, 5, 5, 5, 5, 5, 5};
    EXPECT_FALSE(decodeProgress(bytes, 31, flags));
    EXPECT_EQ(flags[0], 5);
    EXPECT_TRUE(decodeProgress(bytes, 40, flags));
    EXPECT_EQ(flags[1], -1);
    EXPECT_EQ(flags[0], 0);
}

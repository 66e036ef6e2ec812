// The story text decoder: the stored encoding, the block table and its limits.
#include <gtest/gtest.h>

#include <cstring>

#include "data/StoryText.h"
#include "TestFiles.h"

namespace {

// Raises every byte but the line feed by one, as the files store text.
std::vector<uint8_t> stored(const std::string& text) {
    std::vector<uint8_t> out;
    for (unsigned char c : text) out.push_back(c == '\n' ? c : static_cast<uint8_t>(c + 1));
    return out;
}

const std::string kBlockStart("  \n\n$$\n\n  \n\n$$\n\n", 16);

std::string blockText(const char* block) { return std::string(block); }  // up to the zero

char g_table[kStoryBlockCount][kStoryBlockSize];

}  // namespace

TEST(StoryText, DecodesTheTwoBlockExampleByteForByte) {
    const uint8_t file[] = {
        0x22, 0x62, 0x83, 0xa3, 0x83, 0xae, 0x83, 0xe7, 0x82, 0x43, 0x0a, 0x25, 0x0a, 0x22, 0x64,
        0x83, 0xdd, 0x83, 0xaa, 0x83, 0xba, 0x83, 0xc5, 0x82, 0x43, 0x0a, 0x24, 0x0a, 0x0a, 0x0a,
        0x41, 0x0a, 0x22, 0x63, 0x83, 0xb2, 0x83, 0xb2, 0x83, 0xdd, 0x83, 0xc6, 0x83, 0xbf, 0x82,
        0x4a, 0x0a, 0x24, 0x0a, 0x0a, 0x0a, 0x41, 0x0a};
    const uint8_t block0[] = {
        0x20, 0x20, 0x0a, 0x0a, 0x24, 0x24, 0x0a, 0x0a, 0x20, 0x20, 0x0a, 0x0a, 0x24, 0x24, 0x0a,
        0x0a, 0x21, 0x61, 0x82, 0xa2, 0x82, 0xad, 0x82, 0xe6, 0x81, 0x42, 0x0a, 0x0a, 0x24, 0x24,
        0x0a, 0x0a, 0x21, 0x63, 0x82, 0xdc, 0x82, 0xa9, 0x82, 0xb9, 0x82, 0xc4, 0x81, 0x42, 0x0a,
        0x0a, 0x23, 0x23, 0x0a, 0x0a, 0x0a, 0x0a, 0x00, 0x0a};
    ASSERT_TRUE(decodeStoryText(file, sizeof file, g_table, nullptr));
    EXPECT_EQ(std::memcmp(g_table[0], block0, sizeof block0), 0);
    EXPECT_EQ(blockText(g_table[1]), kBlockStart + "!b\x82\xb1\x82\xb1\x82\xdc\x82\xc5\x82\xbe\x81\x49\n\n##\n\n\n\n");
    EXPECT_EQ(blockText(g_table[2]), kBlockStart);  // the empty block after the last "@"
    EXPECT_EQ(g_table[3][0], 0);
}

TEST(StoryText, DoublesLineFeedsAndControlCodes) {
    // Stored bytes as the file holds them, and block 0 as decoded.
    struct Case { std::vector<uint8_t> file; std::string block; } cases[] = {
        {{0x42, 0x0a}, kBlockStart + "A\n\n"},
        {{0x24, 0x25, 0x79}, kBlockStart + "##$$x"},
        {{0x0a}, kBlockStart + "\n\n"},
        {{0x62, '\r', '\n', 0x63}, kBlockStart + "a\n\nb"},  // read as text: CR LF is a line feed
        // A Shift-JIS trail byte of 0x40 reads as the "@" that ends a block; the
        // zero then lands two bytes back, inside the block start.
        {{0x82, 0x41}, kBlockStart.substr(0, 15)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(decodeStoryText(c.file.data(), c.file.size(), g_table, nullptr)) << c.block;
        EXPECT_EQ(blockText(g_table[0]), c.block);
    }
}

TEST(StoryText, AnOverlongBlockIsCutInsideTheTableAndReported) {
    std::string text(5000, 'x');
    text += "\n@\nnext\n@\n";
    std::vector<uint8_t> bytes = stored(text);
    std::string problem;
    EXPECT_FALSE(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem));
    EXPECT_NE(problem.find("ブロック0"), std::string::npos) << problem;
    size_t length = strnlen(g_table[0], kStoryBlockSize);
    EXPECT_LT(length, static_cast<size_t>(kStoryBlockSize));  // still ended by a zero
    EXPECT_GT(length, 4000u);
    EXPECT_EQ(blockText(g_table[1]), kBlockStart + "next");
}

TEST(StoryText, TwentyBlocksFitAndMoreAreCut) {
    std::string twenty;
    for (int i = 0; i < kStoryBlockCount; ++i) twenty += "b" + std::to_string(i) + "\n#\n@\n";
    std::vector<uint8_t> bytes = stored(twenty);
    std::string problem;
    EXPECT_TRUE(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem)) << problem;
    EXPECT_EQ(blockText(g_table[19]), kBlockStart + "b19\n\n##");

    bytes = stored(twenty + "b20\n@\nb21\n@\n");
    EXPECT_FALSE(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem));
    EXPECT_NE(problem.find("20を超え"), std::string::npos) << problem;
    EXPECT_EQ(blockText(g_table[19]), kBlockStart + "b19\n\n##");
}

TEST(StoryText, EachLoadStartsFromACleanTable) {
    std::vector<uint8_t> longer = stored("abcdefgh\n@\n");
    std::vector<uint8_t> shorter = stored("ab@\n");
    decodeStoryText(longer.data(), longer.size(), g_table, nullptr);
    decodeStoryText(shorter.data(), shorter.size(), g_table, nullptr);
    EXPECT_EQ(g_table[0][16], 0);  // "ab" cut by the "@" rule, nothing of the earlier load left
    EXPECT_EQ(g_table[0][18], 0);
}

class StoryTextFile : public testfiles::InTempDir {};

TEST_F(StoryTextFile, LoadsTheChosenCharactersFileAndReportsAMissingOne) {
    EXPECT_STREQ(storyTextFile(0), "lnfpac/mout.fdat");
    EXPECT_STREQ(storyTextFile(1), "lnfpac/mout2.fdat");
    writeFile(storyTextFile(1), stored("hi\n#\n@\n"));
    EXPECT_TRUE(loadStoryText(storyTextFile(1)));
    EXPECT_EQ(blockText(g_storyText[0]), kBlockStart + "hi\n\n##");
    EXPECT_TRUE(messages().empty());

    EXPECT_FALSE(loadStoryText(storyTextFile(0)));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("lnfpac/mout.fdatを読み込めません"), std::string::npos);
    EXPECT_EQ(blockText(g_storyText[0]), kBlockStart);  // two blank pages, then the end

    writeFile(storyTextFile(0), stored(std::string(5000, 'x')));
    EXPECT_FALSE(loadStoryText(storyTextFile(0)));
    EXPECT_EQ(messages().size(), 2u);  // one message for the whole file
}

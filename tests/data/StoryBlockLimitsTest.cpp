// The story table's limits: a block that runs past its 4096 bytes is cut at a
// whole cell and ended there, and CR LF files end their blocks as LF files do.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/StoryText.h"

namespace {

// The stored form; carriage returns stay as a text-mode writer leaves them.
std::vector<uint8_t> stored(const std::string& text) {
    std::vector<uint8_t> out;
    for (unsigned char c : text)
        out.push_back(c == '\n' || c == '\r' ? c : static_cast<uint8_t>(c + 1));
    return out;
}

// n full-width characters: two-byte Shift-JIS cells.
std::string cells(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "\x82\xa0";
    return text;
}

const std::string kBlockStart("  \n\n$$\n\n  \n\n$$\n\n", 16);

char g_table[kStoryBlockCount][kStoryBlockSize];

}  // namespace

TEST(StoryBlockLimits, AnOverflowingBlockEndsOnAWholeCellAndTakesNothingMore) {
    // 2039 cells fill a block up to the last cell, which the zero needs.
    struct Case { const char* name; std::string text; bool cut; std::string tail; } cases[] = {
        {"fits exactly", cells(2039) + "\n@\n", false, "\x82\xa0"},
        {"one cell over", cells(2040) + "\n@\n", true, "\x82\xa0"},
        {"far over", cells(3000) + "\n@\n", true, "\x82\xa0"},
        {"doubled # fits", cells(2038) + "#\n@\n", false, "##"},
        {"doubled # over, then @", cells(2039) + "#\n@\n", true, "\x82\xa0"},
        {"doubled # over at the end", cells(2039) + "#", true, "\x82\xa0"},
        {"doubled # over, then text", cells(2039) + "#x", true, "\x82\xa0"},
    };
    for (const Case& c : cases) {
        bool blockEnded = c.text.back() == '\n';
        std::vector<uint8_t> bytes = stored(c.text + (blockEnded ? "next\n@\n" : ""));
        std::string problem;
        EXPECT_EQ(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem), !c.cut) << c.name;
        const char* block = g_table[0];
        EXPECT_EQ(strnlen(block, kStoryBlockSize), 4094u) << c.name;
        EXPECT_EQ(std::string(block + 4092, 2), c.tail) << c.name;
        if (c.cut) {
            EXPECT_EQ(problem, "ブロック0の文章が4096バイトを超えたため、後ろを省きました") << c.name;
        }
        // Text after the cut block goes on in the next block, whole.
        if (blockEnded) {
            EXPECT_EQ(std::string(g_table[1]), kBlockStart + "next") << c.name;
        }
    }
}

TEST(StoryBlockLimits, CrLfEndsTheAtLineAsOneLineFeed) {
    std::vector<uint8_t> bytes = stored("a\r\n@\r\nb\r\n#\r\n@\r\n");
    std::string problem;
    ASSERT_TRUE(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem)) << problem;
    EXPECT_EQ(std::string(g_table[0]), kBlockStart + "a");
    EXPECT_EQ(std::string(g_table[1]), kBlockStart + "b\n\n##");
    EXPECT_EQ(std::string(g_table[2]), kBlockStart);

    std::string twenty;
    for (int i = 0; i < kStoryBlockCount; ++i) twenty += "b" + std::to_string(i) + "\r\n@\r\n";
    bytes = stored(twenty);
    EXPECT_TRUE(decodeStoryText(bytes.data(), bytes.size(), g_table, &problem)) << problem;
    EXPECT_EQ(std::string(g_table[19]), kBlockStart + "b19");
}

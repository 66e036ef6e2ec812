// The story texts and the schedule of the built game folder, read back through
// the game's own loaders and walked page by page as the conversation window types them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FileIo.h"
#include "data/StoryText.h"
#include "stage/StageScript.h"

namespace {

constexpr int kShownBlocks = 11;

struct Page {
    int speaker = 0;
    int portrait = -1;  // the code at the page's start, or -1
};

struct StoryFile {
    const char* name;
    const char* firstCodes;  // letter of each shown block's first portrait code
};

const StoryFile kStories[] = {
    {"mout.fdat", "adbdbdadbda"},
    {"mout2.fdat", "jmjmjmnmjnn"},
};

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Walks a loaded block the way the window types it, checking the page rules;
// fills the pages, or returns what breaks them.
std::string walkBlock(const char* block, std::vector<Page>& pages) {
    static const char kStart[] = "  \n\n$$\n\n  \n\n$$\n\n";
    if (std::memcmp(block, kStart, 16) != 0) return "no block start";
    const std::size_t end = std::strlen(block);
    std::size_t pos = 16;
    int speaker = 0;
    int lines = 0;
    pages.assign(1, Page{0, -1});
    while (pos + 1 < end) {
        const std::string cell(block + pos, 2);
        if (cell == "$$" || cell == "##") {
            if (lines == 0) return "page end on an empty page at byte " + std::to_string(pos);
            if (block[pos + 2] != '\n' || block[pos + 3] != '\n') return "page end not alone on its line";
            pos += 4;
            if (cell == "$$") speaker = 1 - speaker;
            lines = 0;
            if (pos + 2 == end) break;  // the closing page: one empty cell, then the zero
            pages.push_back(Page{speaker, -1});
            continue;
        }
        int cells = 0;
        bool lastWasCode = false;
        while (pos + 1 < end && block[pos] != '\n') {
            if (block[pos] == '!') {
                if (lastWasCode) return "two codes in a row at byte " + std::to_string(pos);
                if (block[pos + 1] < 'a' || block[pos + 1] > 'p') return "bad portrait letter";
                if (cells == 0 && lines == 0) pages.back().portrait = block[pos + 1] - 'a';
                lastWasCode = true;
            } else {
                if (!isLeadByte(static_cast<unsigned char>(block[pos])) || block[pos + 1] == '@')
                    return "not a full-width cell at byte " + std::to_string(pos);
                lastWasCode = false;
                ++cells;
            }
            pos += 2;
        }
        if (lastWasCode) return "code at the end of a line";
        if (cells == 0) return "empty line at byte " + std::to_string(pos);
        if (cells > 23) return "line of " + std::to_string(cells) + " cells";
        if (++lines > 3) return "page of four lines";
        if (pos + 1 >= end || block[pos + 1] != '\n') return "line without its line feed cell";
        pos += 2;
    }
    if (pos + 2 != end || block[pos] != '\n' || block[pos + 1] != '\n' || lines != 0)
        return "the block does not close with a waiting page and an empty cell";
    return "";
}

}  // namespace

TEST(BuiltStory, BothStoriesLoadAndKeepThePageRules) {
    static char table[kStoryBlockCount][kStoryBlockSize];
    std::vector<std::string> firstBlocks;
    for (const StoryFile& story : kStories) {
        SCOPED_TRACE(story.name);
        tools::Bytes stored;
        std::string error;
        ASSERT_TRUE(tools::readFile(std::string(LNF_GAME_DIR) + "/lnfpac/" + story.name, stored, error)) << error;
        std::string problem;
        ASSERT_TRUE(decodeStoryText(stored.data(), stored.size(), table, &problem)) << problem;

        for (int b = 0; b < kShownBlocks; ++b) {
            SCOPED_TRACE("block " + std::to_string(b));
            std::vector<Page> pages;
            EXPECT_EQ(walkBlock(table[b], pages), "");
            ASSERT_FALSE(pages.empty());
            EXPECT_EQ(pages[0].portrait, story.firstCodes[b] - 'a');
            // Boss arrivals and the conversations after each boss show that boss in the lower window.
            static const int kArrival[] = {12, 14, 15, 13, 8};
            static const int kDefeat[] = {4, 5, 6, 7};
            int lowerPortrait = -1;
            for (const Page& page : pages)
                if (page.speaker == 1 && lowerPortrait < 0) lowerPortrait = page.portrait;
            if (b % 2 == 1) {
                EXPECT_EQ(lowerPortrait, kArrival[b / 2]);
            } else if (b >= 2 && b <= 8) {
                EXPECT_EQ(lowerPortrait, kDefeat[b / 2 - 1]);
            }
        }
        firstBlocks.push_back(table[0]);
        // The final block end opens one more block that is never shown.
        EXPECT_EQ(std::strlen(table[kShownBlocks]), 16u);
    }
    EXPECT_NE(firstBlocks[0], firstBlocks[1]);
}

TEST(BuiltSchedule, HoldsOneRecordConsumedOnce) {
    tools::Bytes stored;
    std::string error;
    ASSERT_TRUE(tools::readFile(std::string(LNF_GAME_DIR) + "/out.txt", stored, error)) << error;
    const tools::Bytes expected = {1, 0, 0, 0, 0x00, 0xca, 0x9a, 0x3b, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(stored, expected);
    loadStageScriptFrom(reinterpret_cast<const char*>(stored.data()), stored.size(), "out.txt");
    EXPECT_EQ(g_stageScriptLength, 1);
    EXPECT_EQ(g_stageScript[0][0], 1000000000);
}

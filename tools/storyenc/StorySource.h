// Reads the story source markup into blocks of pages of Shift-JIS lines.
//
// The source is UTF-8 text, one line at a time:
//   ; ...            a comment line
//   == N: label ==   starts block N; blocks are numbered from 0 and must come in order
//   @0  or  @1       the next page is spoken in the upper (0) or the lower (1) window
//   @1 !c            ... and that speaker's portrait becomes cell 2 (a = 0 ... p = 15)
//   any other line   one line of text on the page: full-width characters only, at most
//                    23 of them; "!x" inside it changes the portrait before the next character
//   a blank line     ends the page; the same speaker goes on with the next page
// A page holds at most three lines, and every block's first page is the upper speaker's.
#pragma once

#include <string>
#include <vector>

namespace tools {

constexpr int kCellsPerLine = 23;
constexpr int kLinesPerPage = 3;
constexpr int kMinStoryBlocks = 11;  // opening, five boss arrivals, four stage openings, ending
constexpr int kMaxStoryBlocks = 19;  // the table holds 20, and the final block end opens one more

struct StoryLine {
    std::string bytes;  // Shift-JIS, portrait codes included, no line feed
    int lineNumber = 0;
};

struct StoryPage {
    int speaker = 0;
    std::vector<StoryLine> lines;
};

struct StoryBlock {
    int headerLine = 0;
    std::vector<StoryPage> pages;
};

// Fills blocks, or sets error to "FILE:LINE: problem". Checks everything that
// belongs to one line or one page, and the block count; sizes are the encoder's.
bool parseStorySource(const std::string& fileName, const std::string& source, std::vector<StoryBlock>& blocks,
                      std::string& error);

}  // namespace tools

// Every rule of the map compiler turns away its bad case with the file, the
// line and the rule's name.
#include "MapRules.h"
#include "MapSource.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using mapc::Diagnostic;

// A small stage that keeps every rule: 26 x 15 open tiles with a corner of
// wall, a four-tile scroll to the right and the boss on the last screen.
std::vector<std::string> goodStage() {
    std::vector<std::string> lines = {
        "legend . 0",                                   // 1
        "legend W family 16",                           // 2
        "start x=64 y=208",                             // 3
        "scroll direction=right length=4 speed=1000",   // 4
        "scroll direction=end",                         // 5
        "char type=generator kind=7 x=640 y=40",        // 6
        "tiles",                                        // 7
        "WW" + std::string(24, '.'),                    // 8: row 0
    };
    for (int row = 1; row < 15; ++row) lines.push_back(std::string(26, '.'));  // 9..22
    lines.push_back("end");                                                    // 23
    return lines;
}

// Replaces whole lines (1-based); a replacement may hold several lines or none.
std::string edited(std::map<int, std::string> edits) {
    std::vector<std::string> lines = goodStage();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto it = edits.find(int(i) + 1);
        text += (it == edits.end() ? lines[i] : it->second) + "\n";
    }
    return text;
}

std::vector<Diagnostic> diagnose(const std::string& text) {
    std::vector<Diagnostic> diagnostics;
    mapc::Stage stage;
    if (mapc::parseStage("bad.txt", text, stage, diagnostics)) mapc::checkStage(stage, diagnostics);
    return diagnostics;
}

std::string listed(const std::vector<Diagnostic>& diagnostics) {
    std::string all;
    for (const Diagnostic& d : diagnostics) all += "  " + mapc::formatDiagnostic(d) + "\n";
    return all;
}

TEST(MapRules, TheSmallStageKeepsEveryRule) {
    const std::vector<Diagnostic> diagnostics = diagnose(edited({}));
    EXPECT_TRUE(diagnostics.empty()) << listed(diagnostics);
}

TEST(MapRules, EachBadCaseIsNamedWithFileLineAndRule) {
    const std::string wall(26, 'W');
    std::string manyRecords;
    for (int i = 0; i < 256; ++i) manyRecords += "scroll direction=right length=1 speed=1000\n";
    manyRecords += "scroll direction=end";
    struct Case {
        const char* what;
        std::map<int, std::string> edits;
        int line;
        const char* rule;
    };
    const Case cases[] = {
        {"unknown directive", {{7, "bogus\ntiles"}}, 7, "syntax"},
        {"field given twice", {{6, "char type=generator kind=7 x=640 y=40 x=1"}}, 6, "syntax"},
        {"not an integer", {{3, "start x=6a y=208"}}, 3, "syntax"},
        {"pixels and tiles both", {{6, "char type=generator kind=7 x=640 col=3 y=40"}}, 6, "syntax"},
        {"tiles never ended", {{23, ""}}, 7, "syntax"},
        {"missing include", {{1, "include nothere.txt"}}, 1, "include"},
        {"family over character cells", {{2, "legend W family 90"}}, 2, "legend"},
        {"legend character twice", {{1, "legend . 0\nlegend . 3"}}, 2, "legend"},
        {"unknown tile character", {{8, "WWZ" + std::string(23, '.')}}, 8, "tile-char"},
        {"short row", {{8, "WW"}}, 8, "row-width"},
        {"start off screen", {{3, "start x=600 y=208"}}, 3, "start"},
        {"start on a wall", {{3, "start x=-30 y=-10"}}, 3, "start"},
        {"no start", {{3, ""}}, 0, "start"},
        {"generator of the map runner", {{7, "char type=generator kind=14 x=100 y=40\ntiles"}}, 7, "char-type"},
        {"unknown type number", {{7, "char type=12 x=100 y=40\ntiles"}}, 7, "char-type"},
        {"outside the map", {{7, "char type=block x=5000 y=0\ntiles"}}, 7, "char-position"},
        {"tile position past any map", {{7, "char type=block col=2000000000 row=0\ntiles"}}, 7, "char-position"},
        {"tile off the sheet", {{2, "legend W 300"}}, 2, "legend"},
        {"family running off the sheet", {{2, "legend W family 2147483647"}}, 2, "legend"},
        {"beam direction", {{7, "char type=beam col=5 row=5 param0=4 param1=64\ntiles"}}, 7, "char-params"},
        {"turret without bullet life", {{7, "char type=turret col=5 row=5 param3=5\ntiles"}}, 7, "char-params"},
        {"turret without burst", {{7, "char type=turret col=5 row=5 param1=50\ntiles"}}, 7, "char-params"},
        {"spiral sense", {{7, "char type=spiral col=5 row=5 param0=2 param1=50\ntiles"}}, 7, "char-params"},
        {"rotator facing", {{7, "char type=rotator col=5 row=5 param0=7\ntiles"}}, 7, "char-params"},
        {"block hidden in a wall", {{7, "char type=block col=0 row=0\ntiles"}}, 7, "char-in-wall"},
        {"crawler off the grid", {{7, "char type=crawler x=40 y=32 param2=31\ntiles"}}, 7, "crawler"},
        {"crawler delay", {{7, "char type=crawler col=2 row=1 param2=30\ntiles"}}, 7, "crawler"},
        {"crawler delay at the top of the range", {{7, "char type=crawler col=2 row=1 param2=2147483647\ntiles"}}, 7, "crawler"},
        {"crawler in open air", {{7, "char type=crawler col=10 row=5 param2=31\ntiles"}}, 7, "crawler"},
        {"crawler along an open floor", {{7, "char type=crawler col=5 row=11 param2=31\ntiles"}, {20, wall}}, 7, "crawler"},
        {"second boss", {{7, "char type=generator kind=9 x=640 y=80\ntiles"}}, 7, "boss-count"},
        {"no boss", {{6, ""}}, 0, "boss-count"},
        {"two bosses from one generator", {{6, "char type=generator kind=7 x=640 y=40 param1=33"}}, 6, "boss-count"},
        {"boss never on screen", {{6, "char type=generator kind=7 x=800 y=40"}}, 6, "boss-reached"},
        {"wall in the boss arena", {{9, "..........W" + std::string(15, '.')}}, 5, "boss-arena"},
        {"turret the view never reaches", {{7, "char type=turret col=25 row=5 param1=50 param3=5\ntiles"}}, 7, "unseen"},
        {"too many scroll records", {{4, manyRecords}, {5, ""}}, 260, "scroll-count"},
        {"direction code", {{4, "scroll direction=9 length=4 speed=1000"}}, 4, "scroll-direction"},
        {"inexact speed", {{4, "scroll direction=right length=4 speed=300"}}, 4, "scroll-speed"},
        {"segment of no length", {{4, "scroll direction=right length=0 speed=1000"}}, 4, "scroll-length"},
        {"no end record", {{5, ""}}, 4, "scroll-end"},
        {"records after the end", {{5, "scroll direction=end\nscroll direction=right length=1 speed=1000\nscroll direction=end"}}, 5, "scroll-end"},
        {"end record with a length", {{5, "scroll direction=end length=3"}}, 5, "scroll-end"},
        {"view past the map", {{4, "scroll direction=right length=6 speed=1000"}}, 4, "view-bounds"},
        {"view above the map", {{4, "scroll direction=up-right length=4 speed=1000"}}, 4, "view-bounds"},
        {"craft boxed in at the start",
         {{3, "start x=0 y=208"}, {13, "WWWW" + std::string(22, '.')}, {14, "...W" + std::string(22, '.')},
          {15, "...W" + std::string(22, '.')}, {16, "...W" + std::string(22, '.')}, {17, "...W" + std::string(22, '.')},
          {18, "WWWW" + std::string(22, '.')}},
         4, "passage"},
        {"craft in a slot", {{3, "start x=0 y=208"}, {15, "W.W" + std::string(23, '.')}, {16, "W.W" + std::string(23, '.')},
                             {14, "WWW" + std::string(23, '.')}, {17, "WWW" + std::string(23, '.')}}, 3, "passage"},
    };
    for (const Case& c : cases) {
        const std::vector<Diagnostic> diagnostics = diagnose(edited(c.edits));
        bool found = false;
        for (const Diagnostic& d : diagnostics) found = found || (d.file == "bad.txt" && d.line == c.line && d.rule == c.rule);
        EXPECT_TRUE(found) << c.what << ": expected bad.txt:" << c.line << ": " << c.rule << ", got\n" << listed(diagnostics);
    }
}

TEST(MapRules, MessagesReadFileLineRuleThenProblem) {
    const std::vector<Diagnostic> diagnostics = diagnose(edited({{4, "scroll direction=right length=4 speed=300"}}));
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(mapc::formatDiagnostic(diagnostics[0]).rfind("bad.txt:4: scroll-speed: speed 300 ", 0), 0u)
        << mapc::formatDiagnostic(diagnostics[0]);
}

TEST(MapRules, GridLimits) {
    struct Case {
        int columns, rows;
        bool fits;
    } cases[] = {{1024, 15, true}, {1025, 15, false}, {26, 256, true}, {26, 257, false}};
    for (const Case& c : cases) {
        std::string text = "legend . 0\nstart x=64 y=208\nscroll direction=right length=4 speed=1000\n"
                           "scroll direction=end\nchar type=generator kind=7 x=640 y=40\ntiles\n";
        for (int row = 0; row < c.rows; ++row) text += std::string(c.columns, '.') + "\n";
        const std::vector<Diagnostic> diagnostics = diagnose(text + "end\n");
        bool gridSize = false;
        for (const Diagnostic& d : diagnostics) gridSize = gridSize || (d.rule == "grid-size" && d.line == 7);
        EXPECT_EQ(gridSize, !c.fits) << c.columns << " x " << c.rows << "\n" << listed(diagnostics);
        if (c.fits) {
            EXPECT_TRUE(diagnostics.empty()) << listed(diagnostics);
        }
    }
}

TEST(MapRules, CrawlerAroundAFreeStandingBlockPasses) {
    // A 2 x 2 block with open cells all round; the crawler starts at its top-left.
    const std::vector<Diagnostic> diagnostics =
        diagnose(edited({{7, "char type=crawler col=1 row=3 param0=1 param2=31\ntiles"},
                         {12, "..WW" + std::string(22, '.')}, {13, "..WW" + std::string(22, '.')}}));
    EXPECT_TRUE(diagnostics.empty()) << listed(diagnostics);
}

TEST(MapRules, StageCount) {
    const struct {
        int count;
        bool ok;
    } cases[] = {{4, false}, {5, true}, {10, true}, {11, false}};
    for (auto c : cases) {
        std::vector<Diagnostic> diagnostics;
        EXPECT_EQ(mapc::checkStageCount(c.count, diagnostics), c.ok) << c.count;
        EXPECT_EQ(diagnostics.empty(), c.ok) << c.count;
        if (!c.ok) {
            EXPECT_EQ(diagnostics[0].rule, "stage-count");
        }
    }
}

}  // namespace

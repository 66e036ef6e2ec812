// The archive bytes of a tiny stage, the wall pieces the legend families pick,
// and the frame-by-frame scroll the compiler follows the view with.
#include "MapSource.h"
#include "MapWriter.h"
#include "ScrollPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

mapc::Stage parsed(const std::string& text) {
    mapc::Stage stage;
    std::vector<mapc::Diagnostic> diagnostics;
    EXPECT_TRUE(mapc::parseStage("tiny.txt", text, stage, diagnostics));
    for (const mapc::Diagnostic& d : diagnostics) ADD_FAILURE() << mapc::formatDiagnostic(d);
    return stage;
}

TEST(MapLayout, TinyStageMatchesTheHandLaidBytes) {
    // 3 x 2 tiles with a band of tile 5, a zigzag generator of five enemies,
    // the first boss's generator, 40 tiles to the right at 1 px a frame, then the end.
    const mapc::Stage stage = parsed(
        "legend . 0\nlegend b 5\nstart x=64 y=208\n"
        "tiles\n...\nbbb\nend\n"
        "char type=generator kind=2 x=608 y=96 param1=132\n"
        "char type=generator kind=7 x=1900 y=40\n"
        "scroll direction=right length=40 speed=1000\nscroll direction=end\n");
    const std::vector<std::uint8_t> expected = {
        0x01, 0x00, 0x00, 0x00, 0x2e, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00,
        0x05, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x31, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00,
        0xd0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00, 0x60, 0x02, 0x00, 0x00,
        0x60, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x84, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x1b, 0x00, 0x00, 0x00, 0x6c, 0x07, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0xe8, 0x03, 0x00, 0x00,
        0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xe8, 0x03, 0x00, 0x00,
    };
    EXPECT_EQ(mapc::writeMapPac({stage}), expected);
}

TEST(MapLayout, SecondStageSizeWordFollowsTheFirstBlock) {
    const mapc::Stage a = parsed("legend . 0\nstart x=0 y=0\ntiles\n..\nend\nscroll direction=end\n");
    const mapc::Stage b = parsed("legend . 0\nstart x=0 y=0\ntiles\n...\nend\nscroll direction=end\n");
    const std::vector<std::uint8_t> bytes = mapc::writeMapPac({a, b});
    auto word = [&](std::size_t i) { return int(bytes[4 * i]) | int(bytes[4 * i + 1]) << 8; };
    // W, H, 2 tiles, marker, 6 start words, K, M, 4 skipped words, 3 record words, plus the size word.
    const int firstSize = 1 + 2 + 2 + 1 + 6 + 1 + 1 + 4 + 3;
    ASSERT_EQ(bytes.size(), std::size_t(4 * (1 + firstSize + firstSize + 1)));
    EXPECT_EQ(word(0), 2);
    EXPECT_EQ(word(1), firstSize);
    EXPECT_EQ(word(1 + firstSize), firstSize + 1);
    EXPECT_EQ(word(1 + firstSize + 1), 3);  // the second stage's W
}

TEST(MapLayout, FamilyPiecesFollowTheOpenNeighbours) {
    const mapc::Stage stage = parsed(
        "legend . 0\nlegend W family 16\nlegend w 25\nstart x=0 y=0\ntiles\n"
        "......\n"
        ".WWW..\n"
        ".WwW..\n"
        ".WWW..\n"
        "W.....\n"
        "end\nscroll direction=end\n");
    const std::vector<std::int32_t> expected = {
        0,  0,  0,  0,  0, 0,
        0,  21, 17, 22, 0, 0,  // top-left, top, top-right
        0,  19, 25, 20, 0, 0,  // left, the fixed window, right
        0,  23, 18, 24, 0, 0,  // bottom-left, bottom, bottom-right
        22, 0,  0,  0,  0, 0,  // beyond the map counts as wall: open above and right only
    };
    EXPECT_EQ(stage.tiles, expected);
}

TEST(ScrollPath, FrameCountsAndPixelSteps) {
    struct Case {
        int length, speed;
        int frames;            // frames value of the segment
        int pixelsAfter[4];    // camera x after 1, 2, 3 and 4 frames
    } cases[] = {
        {1, 1000, 32, {1, 2, 3, 4}},
        {2, 2000, 32, {2, 4, 6, 8}},
        {1, 250, 128, {0, 0, 0, 1}},   // one pixel every fourth frame
        {1, 300, 106, {0, 0, 0, 1}},   // 300, 600, 900, 1200: not 0.3 px a frame
        {1, 1500, 21, {1, 2, 3, 4}},   // a pixel a frame, not one and a half
    };
    for (const Case& c : cases) {
        const std::vector<mapc::ScrollSegment> segments = mapc::buildSegments({{4, c.length, c.speed, 1}, {8, 0, 1000, 2}});
        ASSERT_EQ(segments.size(), 2u);
        EXPECT_EQ(segments[0].frames, c.frames) << c.speed;
        mapc::ScrollState view;
        for (int f = 0; f < 4; ++f) {
            mapc::advanceScroll(view, segments);
            EXPECT_EQ(view.cameraX(), c.pixelsAfter[f]) << "speed " << c.speed << " frame " << f + 1;
        }
    }
}

TEST(ScrollPath, SegmentsLastOneFrameMoreThanTheirCount) {
    const std::vector<mapc::ScrollSegment> segments = mapc::buildSegments({{1, 1, 1000, 1}, {8, 0, 1000, 2}});
    mapc::ScrollState view;
    int frames = 0;
    while (mapc::scrolling(view, segments)) {
        mapc::advanceScroll(view, segments);
        ++frames;
    }
    EXPECT_EQ(frames, 33);
    // The 32nd pixel is absorbed by the row step: one row and one pixel.
    EXPECT_EQ(view.tileY, 1);
    EXPECT_EQ(view.pixelY, 1);

    mapc::ScrollState still;
    const std::vector<mapc::ScrollSegment> endOnly = mapc::buildSegments({{8, 0, 1000, 1}});
    EXPECT_FALSE(mapc::scrolling(still, endOnly));
}

TEST(ScrollPath, DrawnCellsReachIntoTheSideBeingEntered) {
    struct Case {
        int pixelX, pixelY;
        mapc::DrawnCells cells;
    } cases[] = {
        {0, 0, {5, 24, 2, 16}},
        {3, 0, {5, 25, 2, 16}},
        {-3, 0, {4, 24, 2, 16}},
        {0, 7, {5, 24, 2, 17}},
        {0, -7, {5, 24, 1, 16}},
    };
    for (const Case& c : cases) {
        mapc::ScrollState view;
        view.tileX = 5;
        view.tileY = 2;
        view.pixelX = c.pixelX;
        view.pixelY = c.pixelY;
        const mapc::DrawnCells d = mapc::drawnCells(view);
        EXPECT_EQ(d.firstColumn, c.cells.firstColumn) << c.pixelX << "," << c.pixelY;
        EXPECT_EQ(d.lastColumn, c.cells.lastColumn) << c.pixelX << "," << c.pixelY;
        EXPECT_EQ(d.firstRow, c.cells.firstRow) << c.pixelX << "," << c.pixelY;
        EXPECT_EQ(d.lastRow, c.cells.lastRow) << c.pixelX << "," << c.pixelY;
    }
}

}  // namespace

// One stage map as the compiler holds it between reading its source and
// writing it into the stage archive, with the source line of every piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mapc {

constexpr int kTileSize = 32;
constexpr int kMaxColumns = 1024;
constexpr int kMaxRows = 256;
constexpr int kMaxScrollRecords = 256;
constexpr int kMinStages = 5;
constexpr int kMaxStages = 10;
constexpr int kStageMarker = 49;
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// Direction codes of scroll records; kScrollEnd closes the list.
constexpr int kScrollEnd = 8;

struct MapCharSource {
    int type = 0;
    int x = 0;  // map pixels, top-left corner
    int y = 0;
    int param0 = 0;
    int param1 = 0;
    int param2 = 0;
    int param3 = 0;
    int line = 0;
};

struct ScrollSource {
    int direction = 0;
    int length = 0;  // tiles
    int speed = 0;   // thousandths of a pixel per frame
    int line = 0;
};

struct Stage {
    std::string file;  // source path, for messages
    int width = 0;     // columns
    int height = 0;    // rows
    std::vector<std::int32_t> tiles;  // row by row from the top
    int tilesLine = 0;                // line of the first tile row
    int startX = 0;                   // craft top-left in screen pixels
    int startY = 0;
    int startLine = 0;
    std::vector<MapCharSource> chars;
    std::vector<ScrollSource> scroll;

    std::int32_t tileAt(int column, int row) const { return tiles[std::size_t(row) * width + column]; }
    bool inside(int column, int row) const { return column >= 0 && row >= 0 && column < width && row < height; }
};

// A broken rule: where, which rule, and what is wrong.
struct Diagnostic {
    std::string file;
    int line = 0;  // 0 when the problem has no single line
    std::string rule;
    std::string message;
};

std::string formatDiagnostic(const Diagnostic& d);

}  // namespace mapc

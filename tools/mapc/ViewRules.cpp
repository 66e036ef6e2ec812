// Rules that follow the view frame by frame along the scroll path: it stays on
// the stored map, the craft always has room to fly, every character that acts
// only on screen gets there, and the scroll ends on an open boss arena.
#include "MapRules.h"
#include "ScrollPath.h"

#include <algorithm>
#include <string>

namespace mapc {

namespace {

// Room the craft needs to get through: 2 x 2 open cells, its whole sprite.
constexpr int kCraftCells = 2;

void fail(std::vector<Diagnostic>& out, const Stage& s, int line, const char* rule, const std::string& message) {
    out.push_back({s.file, line, rule, message});
}

std::string where(int frame, const ScrollState& v) {
    return "at frame " + std::to_string(frame) + " (view at column " + std::to_string(v.tileX) + ", row " +
           std::to_string(v.tileY) + ")";
}

// Cells lying wholly on screen.
struct Window {
    int firstColumn, firstRow, columns, rows;
    bool operator==(const Window&) const = default;
};

int divFloor(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

Window windowOf(const ScrollState& v) {
    const int firstColumn = divFloor(v.cameraX() + kTileSize - 1, kTileSize);
    const int firstRow = divFloor(v.cameraY() + kTileSize - 1, kTileSize);
    return {firstColumn, firstRow, divFloor(v.cameraX() + kScreenWidth, kTileSize) - firstColumn,
            divFloor(v.cameraY() + kScreenHeight, kTileSize) - firstRow};
}

// Tracks where the craft can be: the open 2 x 2 places it can reach inside the
// window without crossing a wall. The craft outruns any scroll, so within one
// window every connected open place counts as reachable.
class Passage {
public:
    explicit Passage(const Stage& s) : s_(s), reach_(std::size_t(s.width) * s.height, false) {}

    bool open(int column, int row) const {
        for (int r = row; r < row + kCraftCells; ++r)
            for (int c = column; c < column + kCraftCells; ++c)
                if (!s_.inside(c, r) || s_.tileAt(c, r) != 0) return false;
        return true;
    }

    void seed(int column, int row) {
        if (s_.inside(column, row) && open(column, row)) reach_[index(column, row)] = true;
    }

    // Keeps the reachable places still inside w and spreads from them; false
    // when none is left.
    bool moveTo(const Window& w) {
        std::vector<int> stack;
        std::vector<bool> next(reach_.size(), false);
        for (int r = w.firstRow; r + kCraftCells <= w.firstRow + w.rows; ++r)
            for (int c = w.firstColumn; c + kCraftCells <= w.firstColumn + w.columns; ++c)
                if (s_.inside(c, r) && reach_[index(c, r)]) {
                    next[index(c, r)] = true;
                    stack.push_back(index(c, r));
                }
        const bool any = !stack.empty();
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int c = at % s_.width, r = at / s_.width;
            const int neighbours[4][2] = {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
            for (auto [nc, nr] : neighbours) {
                if (nc < w.firstColumn || nr < w.firstRow || nc + kCraftCells > w.firstColumn + w.columns ||
                    nr + kCraftCells > w.firstRow + w.rows || !open(nc, nr) || next[index(nc, nr)])
                    continue;
                next[index(nc, nr)] = true;
                stack.push_back(index(nc, nr));
            }
        }
        // Places that left the window are gone: the craft cannot leave the screen.
        reach_ = std::move(next);
        return any;
    }

private:
    int index(int column, int row) const { return row * s_.width + column; }
    const Stage& s_;
    std::vector<bool> reach_;
};

bool visible(const MapCharSource& c, const ScrollState& v) {
    const CharSize size = charSize(c.type);
    const int sx = c.x - v.cameraX(), sy = c.y - v.cameraY();
    return -size.width < sx && sx < kScreenWidth && -size.height < sy && sy < kScreenHeight;
}

// Characters that only act while on screen.
bool actsOnScreen(int type) { return (type >= 3 && type <= 7) || isGenerator(type); }

}  // namespace

void checkViewPath(const Stage& s, std::vector<Diagnostic>& out, StageSummary* summary) {
    const std::vector<ScrollSegment> segments = buildSegments(s.scroll);
    std::vector<bool> seen(s.chars.size(), false);
    Passage passage(s);
    const int centreColumn = (s.startX + 38) / kTileSize, centreRow = (s.startY + 35) / kTileSize;
    for (int dr = -1; dr <= 0; ++dr)
        for (int dc = -1; dc <= 0; ++dc) passage.seed(centreColumn + dc, centreRow + dr);

    ScrollState view;
    Window window{};
    bool passable = true;
    int frame = 0;
    for (;; ++frame) {
        // Blame the record that moved the view, also once it has come to rest.
        std::size_t record = std::min<std::size_t>(view.segmentIndex, s.scroll.size() - 1);
        if (record > 0 && s.scroll[record].direction == kScrollEnd) --record;
        const int line = s.scroll[record].line;
        const DrawnCells d = drawnCells(view);
        if (d.firstColumn < 0 || d.firstRow < 0 || d.lastColumn >= s.width || d.lastRow >= s.height) {
            fail(out, s, line, "view-bounds", "the view draws cells outside the stored map " + where(frame, view));
            return;
        }
        for (std::size_t i = 0; i < s.chars.size(); ++i) seen[i] = seen[i] || visible(s.chars[i], view);
        if (passable && (frame == 0 || !(windowOf(view) == window))) {
            window = windowOf(view);
            if (!passage.moveTo(window)) {
                fail(out, s, frame == 0 ? s.startLine : line, "passage",
                     frame == 0 ? "the craft starts without 2 x 2 open cells around it"
                                : "no open way wide enough for the craft " + where(frame, view));
                passable = false;
            }
        }
        if (!scrolling(view, segments)) break;
        advanceScroll(view, segments);
    }
    if (summary) summary->scrollFrames = frame;

    for (std::size_t i = 0; i < s.chars.size(); ++i) {
        const MapCharSource& c = s.chars[i];
        if (isBossGenerator(c.type) && !visible(c, view))
            fail(out, s, c.line, "boss-reached", "the scroll stops without bringing the boss generator on screen");
        else if (actsOnScreen(c.type) && !seen[i])
            fail(out, s, c.line, "unseen", "the view never reaches this character, so it never acts");
    }
    const DrawnCells arena = drawnCells(view);
    for (int row = arena.firstRow; row <= arena.lastRow; ++row)
        for (int column = arena.firstColumn; column <= arena.lastColumn; ++column)
            if (s.tileAt(column, row) != 0) {
                fail(out, s, s.scroll.back().line, "boss-arena",
                     "the screen where the scroll stops must be free of solid tiles; column " + std::to_string(column) +
                         ", row " + std::to_string(row) + " is solid");
                return;
            }
}

}  // namespace mapc

// Rules on the records of a stage: grid size, start position, map-character
// fields and placement, wall crawlers, the boss and the scroll records.
#include "MapRules.h"

#include <set>
#include <string>
#include <tuple>

namespace mapc {

namespace {

enum CharType { kBlock = 0, kBeam, kCrawler, kHatch, kTurret, kSpiral, kFourWay, kRotator };

void fail(std::vector<Diagnostic>& out, const Stage& s, int line, const char* rule, const std::string& message) {
    out.push_back({s.file, line, rule, message});
}

bool solidAt(const Stage& s, int column, int row) { return s.inside(column, row) && s.tileAt(column, row) != 0; }

// True when every cell under the pixel rectangle is inside the map and empty.
bool rectangleOpen(const Stage& s, int x, int y, int width, int height) {
    if (x < 0 || y < 0) return false;
    for (int row = y / kTileSize; row <= (y + height - 1) / kTileSize; ++row)
        for (int column = x / kTileSize; column <= (x + width - 1) / kTileSize; ++column)
            if (!s.inside(column, row) || s.tileAt(column, row) != 0) return false;
    return true;
}

void checkStart(const Stage& s, std::vector<Diagnostic>& out) {
    // The craft's 64 x 64 sprite may hang a little past the screen edges, its
    // 5 x 5 hit box (36..41, 33..38 inside the sprite) may not.
    if (s.startX < -32 || s.startX > 576 || s.startY < -10 || s.startY > 426) {
        fail(out, s, s.startLine, "start", "the craft must start within x -32..576 and y -10..426");
        return;
    }
    if (!rectangleOpen(s, s.startX + 36, s.startY + 33, 6, 6))
        fail(out, s, s.startLine, "start", "the craft's hit box starts on a solid tile");
}

bool checkParams(const Stage& s, const MapCharSource& c, std::vector<Diagnostic>& out) {
    auto need = [&](bool holds, const char* what) {
        if (!holds) fail(out, s, c.line, "char-params", what);
        return holds;
    };
    switch (c.type) {
    case kBeam:
        return need(c.param0 >= 0 && c.param0 <= 3, "a beam's param0 is its direction 0-3") &&
               need(c.param1 > 0, "a beam's param1 (length in pixels) must be above 0") &&
               need(c.param3 >= 0, "a beam's param3 (pause) cannot be negative");
    case kTurret:
        return need(c.param0 >= 0 && c.param0 <= 3, "a turret's param0 is its firing direction 0-3") &&
               need(c.param1 > 0, "a turret's param1 (bullet lifetime) must be above 0") &&
               need(c.param3 >= 1, "a turret's param3 (burst length) must be at least 1");
    case kSpiral:
    case kFourWay:
        return need(c.param0 == 0 || c.param0 == 1, "a spiral turret's param0 is its sense, 0 or 1") &&
               need(c.param1 > 0, "a spiral turret's param1 (bullet lifetime) must be above 0");
    case kRotator:
        return need(c.param0 >= 0 && c.param0 <= 3, "a rotating turret's param0 is its facing 0-3");
    case kHatch:
        return need(c.param1 >= 0, "a hatch's param1 (vertical run) cannot be negative");
    default:
        if (isGenerator(c.type)) return need(c.param1 >= 0, "a generator's param1 (enemies - 1, times 33) cannot be negative");
        return true;
    }
}

// Crawlers decide their way on grid cells from the 2 x 2 block of cells they
// cover; this follows them cell by cell until they come round to a state they
// were in before, which proves the loop closed.
void checkCrawler(const Stage& s, const MapCharSource& c, std::vector<Diagnostic>& out) {
    if (c.x % kTileSize != 0 || c.y % kTileSize != 0) {
        fail(out, s, c.line, "crawler", "a crawler starts on a cell corner: x and y multiples of 32");
        return;
    }
    if (c.param2 < -1 || (c.param2 != -1 && c.param2 % kTileSize != kTileSize - 1)) {
        fail(out, s, c.line, "crawler", "a crawler's param2 must be 32k - 1 so it turns on cell corners");
        return;
    }
    int column = c.x / kTileSize, row = c.y / kTileSize;
    auto blockInside = [&] { return s.inside(column - 1, row - 1) && s.inside(column + 1, row + 1); };
    if (!blockInside()) {
        fail(out, s, c.line, "crawler", "a crawler needs a ring of map cells around it");
        return;
    }
    auto t = [&](int dc, int dr) { return solidAt(s, column + dc, row + dr); };
    const int solidCount = t(0, 0) + t(1, 0) + t(0, 1) + t(1, 1);
    if (solidCount == 0 || solidCount == 4) {
        fail(out, s, c.line, "crawler", "a crawler must straddle a wall surface: its 2 x 2 cells hold wall and open space");
        return;
    }
    int direction = c.param0;
    if (!t(-1, 0) && t(0, 1)) direction = 0;
    else if (!t(1, 0) && t(0, -1)) direction = 2;
    else if (!t(0, -1) && t(-1, 0)) direction = 2;
    else if (!t(0, 1) && t(1, 0)) direction = 3;
    if (direction < 0 || direction > 3) {
        fail(out, s, c.line, "crawler", "no wall sets this crawler's direction and its param0 is not 0-3");
        return;
    }
    std::set<std::tuple<int, int, int>> seen;
    while (seen.emplace(column, row, direction).second) {
        const bool T = t(0, 0), R = t(1, 0), B = t(0, 1), RB = t(1, 1);
        switch (direction) {
        case 0: direction = !T ? (!B ? 3 : 0) : (!R ? 2 : 1); break;
        case 1: direction = !RB ? (!R ? 2 : 1) : (!B ? 3 : 0); break;
        case 2: direction = !R ? (!T ? 0 : 2) : (!RB ? 1 : 2); break;
        default: direction = !B ? (!RB ? 1 : 3) : (!T ? 0 : 2); break;
        }
        column += direction == 0 ? -1 : direction == 1 ? 1 : 0;
        row += direction == 2 ? -1 : direction == 3 ? 1 : 0;
        if (!blockInside()) {
            fail(out, s, c.line, "crawler", "the crawler's path leaves the map near column " + std::to_string(column) +
                                                ", row " + std::to_string(row) + "; give it a closed wall loop");
            return;
        }
    }
}

void checkChar(const Stage& s, const MapCharSource& c, std::vector<Diagnostic>& out) {
    if (!(c.type >= kBlock && c.type <= kRotator) && !isGenerator(c.type)) {
        fail(out, s, c.line, "char-type", "type " + std::to_string(c.type) + " is not a usable map character");
        return;
    }
    if (c.x < 0 || c.y < 0 || c.x >= s.width * kTileSize || c.y >= s.height * kTileSize) {
        fail(out, s, c.line, "char-position", "the character lies outside the map");
        return;
    }
    if (!checkParams(s, c, out)) return;
    if (c.type == kCrawler) {
        checkCrawler(s, c, out);
        return;
    }
    // Tiles are drawn over map characters, so anything meant to be seen sits in open space.
    const bool open = c.type == kRotator ? rectangleOpen(s, c.x + 9, c.y + 9, 45, 45)
                      : isGenerator(c.type) ? true
                                            : rectangleOpen(s, c.x, c.y, charSize(c.type).width, charSize(c.type).height);
    if (!open) fail(out, s, c.line, "char-in-wall", "the character overlaps solid tiles, which would hide it");
}

void checkScrollRecords(const Stage& s, std::vector<Diagnostic>& out) {
    static constexpr int kExactSpeeds[] = {100, 125, 200, 250, 500, 1000, 2000, 4000};
    if (s.scroll.empty() || int(s.scroll.size()) > kMaxScrollRecords) {
        fail(out, s, s.scroll.empty() ? 0 : s.scroll[kMaxScrollRecords].line, "scroll-count",
             "a stage has 1 to 256 scroll records, the end record included");
        return;
    }
    for (std::size_t i = 0; i < s.scroll.size(); ++i) {
        const ScrollSource& r = s.scroll[i];
        if (r.direction < 0 || r.direction > kScrollEnd) {
            fail(out, s, r.line, "scroll-direction", "direction codes are 0-8");
        } else if (r.direction == kScrollEnd) {
            if (i + 1 != s.scroll.size()) fail(out, s, r.line, "scroll-end", "records after the end record are never read");
            if (r.length != 0 || r.speed <= 0) fail(out, s, r.line, "scroll-end", "the end record has length 0 and a speed above 0");
        } else {
            if (r.length < 1 || r.length > kMaxColumns)
                fail(out, s, r.line, "scroll-length", "a segment's length is 1 to 1024 tiles (length 0 would stop the scroll)");
            bool exact = false;
            for (int speed : kExactSpeeds) exact = exact || r.speed == speed;
            if (!exact)
                fail(out, s, r.line, "scroll-speed",
                     "speed " + std::to_string(r.speed) +
                         " does not move the view exactly its length; use 100, 125, 200, 250, 500, 1000, 2000 or 4000");
        }
    }
    if (s.scroll.back().direction != kScrollEnd)
        fail(out, s, s.scroll.back().line, "scroll-end", "the last scroll record must be the end record (direction end)");
}

}  // namespace

bool isGenerator(int type) {
    switch (type) {
    case 21: case 22: case 23: case 24: case 25: case 26: case 27: case 28: case 29: case 30:
    case 32: case 33: case 35: case 36: case 40: case 41:
        return true;
    default:
        return false;
    }
}

bool isBossGenerator(int type) { return type == 21 || (type >= 27 && type <= 30); }

CharSize charSize(int type) {
    switch (type) {
    case kCrawler: return {64, 64};
    case kHatch: return {128, 64};
    case kRotator: return {0, 0};
    case kBlock: case kBeam: case kTurret: case kSpiral: case kFourWay: return {32, 32};
    default: return {1, 1};
    }
}

bool checkStage(const Stage& s, std::vector<Diagnostic>& out, StageSummary* summary) {
    const std::size_t before = out.size();
    if (s.width < 1 || s.width > kMaxColumns || s.height < 1 || s.height > kMaxRows) {
        fail(out, s, s.tilesLine, "grid-size", "the grid is " + std::to_string(s.width) + " x " + std::to_string(s.height) +
                                                   " tiles; at most 1024 columns and 256 rows fit");
        return false;
    }
    checkStart(s, out);
    int bosses = 0;
    for (const MapCharSource& c : s.chars) {
        checkChar(s, c, out);
        if (!isBossGenerator(c.type)) continue;
        if (++bosses == 2) fail(out, s, c.line, "boss-count", "a second boss generator; a stage has exactly one");
        if (c.param1 < 0 || c.param1 > 32) fail(out, s, c.line, "boss-count", "the boss generator's param1 must be 0-32 (one boss)");
    }
    if (bosses == 0) fail(out, s, 0, "boss-count", "the stage has no boss generator, so it can never be cleared");
    checkScrollRecords(s, out);
    if (out.size() == before) checkViewPath(s, out, summary);
    return out.size() == before;
}

bool checkStageCount(int count, std::vector<Diagnostic>& out) {
    if (count >= kMinStages && count <= kMaxStages) return true;
    out.push_back({"mapc", 0, "stage-count", std::to_string(count) + " stages given; the archive holds 5 to 10"});
    return false;
}

}  // namespace mapc

// Stage source reader: legend, tile rows, start position, map characters and
// scroll records, each kept with its line for later messages.
#include "MapSource.h"

#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace mapc {

namespace {

constexpr int kFamilyPieces = 9;

struct LegendEntry {
    int tile = 0;
    bool family = false;
    int line = 0;
};

struct Reader {
    std::string path;
    Stage& stage;
    std::vector<Diagnostic>& diagnostics;
    std::map<char, LegendEntry> legend;
    std::vector<std::pair<std::string, int>> rows;  // text and line
    bool sawTiles = false;
    bool sawStart = false;

    void fail(const std::string& file, int line, const std::string& rule, const std::string& message) {
        diagnostics.push_back({file, line, rule, message});
    }
};

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line.substr(0, line.find('#')));
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

bool parseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

int namedValue(const std::string& text, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text) return int(i);
    int value = 0;
    return parseInt(text, value) ? value : -1;
}

const std::vector<std::string> kTypeNames = {"block", "beam", "crawler", "hatch", "turret", "spiral", "fourway", "rotator"};
const std::vector<std::string> kDirectionNames = {"down-left", "down", "down-right", "left", "right", "up-left", "up", "up-right", "end"};

// Splits "key=value" words into a map; reports malformed or repeated keys and
// keys outside allowed.
bool parseFields(Reader& r, const std::string& file, int line, const std::vector<std::string>& words,
                 const std::vector<std::string>& allowed, std::map<std::string, std::string>& fields) {
    bool ok = true;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t eq = words[i].find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == words[i].size()) {
            r.fail(file, line, "syntax", "expected key=value, found '" + words[i] + "'");
            ok = false;
            continue;
        }
        const std::string key = words[i].substr(0, eq);
        bool known = false;
        for (const std::string& name : allowed) known = known || name == key;
        if (!known) {
            r.fail(file, line, "syntax", "unknown field '" + key + "' for " + words[0]);
            ok = false;
        } else if (!fields.emplace(key, words[i].substr(eq + 1)).second) {
            r.fail(file, line, "syntax", "field '" + key + "' given twice");
            ok = false;
        }
    }
    return ok;
}

// Reads an integer field into value; absent fields keep value.
bool intField(Reader& r, int line, const std::map<std::string, std::string>& fields, const std::string& key, int& value) {
    auto it = fields.find(key);
    if (it == fields.end()) return true;
    if (parseInt(it->second, value)) return true;
    r.fail(r.path, line, "syntax", "field '" + key + "' is not an integer: '" + it->second + "'");
    return false;
}

// A position given either in map pixels or in tiles.
bool positionField(Reader& r, int line, const std::map<std::string, std::string>& fields, const std::string& pixelKey,
                   const std::string& tileKey, int& value) {
    const bool pixels = fields.count(pixelKey) != 0, tiles = fields.count(tileKey) != 0;
    if (pixels == tiles) {
        r.fail(r.path, line, "syntax", "give exactly one of '" + pixelKey + "' and '" + tileKey + "'");
        return false;
    }
    int v = 0;
    if (!intField(r, line, fields, pixels ? pixelKey : tileKey, v)) return false;
    if (!pixels && (v < -kMaxColumns || v > kMaxColumns)) {
        r.fail(r.path, line, "char-position", "'" + tileKey + "' lies far outside any map");
        return false;
    }
    value = pixels ? v : v * kTileSize;
    return true;
}

void readLegend(Reader& r, const std::string& file, int line, const std::vector<std::string>& words) {
    const bool family = words.size() == 4 && words[2] == "family";
    int tile = 0;
    if ((words.size() != 3 && !family) || words[1].size() != 1 || !parseInt(words.back(), tile)) {
        r.fail(file, line, "syntax", "expected 'legend C TILE' or 'legend C family FIRST' ('#' starts a comment, so it cannot be C)");
        return;
    }
    if (tile < 0 || tile > 255) {
        r.fail(file, line, "legend", "tile " + std::to_string(tile) + " is not on the 16 x 16 tile sheet");
        return;
    }
    const int last = family ? tile + kFamilyPieces - 1 : tile;
    for (int t = tile; t <= last; ++t) {
        if (t != 0 && !isTerrainTile(t)) {
            r.fail(file, line, "legend", "tile " + std::to_string(t) + " is not a terrain cell of the tile sheet");
            return;
        }
    }
    if (family && tile == 0) {
        r.fail(file, line, "legend", "a family cannot start at the empty tile");
        return;
    }
    if (!r.legend.emplace(words[1][0], LegendEntry{tile, family, line}).second)
        r.fail(file, line, "legend", std::string("character '") + words[1] + "' is already in the legend");
}

void readInclude(Reader& r, int line, const std::vector<std::string>& words) {
    if (words.size() != 2) {
        r.fail(r.path, line, "syntax", "expected 'include FILE'");
        return;
    }
    const std::size_t slash = r.path.rfind('/');
    const std::string file = (slash == std::string::npos ? "" : r.path.substr(0, slash + 1)) + words[1];
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        r.fail(r.path, line, "include", "cannot open '" + file + "'");
        return;
    }
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        const std::vector<std::string> inner = splitWords(text);
        if (inner.empty()) continue;
        if (inner[0] == "legend") readLegend(r, file, n, inner);
        else r.fail(file, n, "include", "an included file holds only legend lines");
    }
}

void readStart(Reader& r, int line, const std::vector<std::string>& words) {
    std::map<std::string, std::string> fields;
    if (r.sawStart) r.fail(r.path, line, "start", "the start position is given twice");
    r.sawStart = true;
    r.stage.startLine = line;
    if (!parseFields(r, r.path, line, words, {"x", "y"}, fields)) return;
    if (fields.size() != 2) r.fail(r.path, line, "syntax", "start needs x= and y=");
    intField(r, line, fields, "x", r.stage.startX);
    intField(r, line, fields, "y", r.stage.startY);
}

void readChar(Reader& r, int line, const std::vector<std::string>& words) {
    std::map<std::string, std::string> fields;
    if (!parseFields(r, r.path, line, words, {"type", "kind", "x", "y", "col", "row", "param0", "param1", "param2", "param3"}, fields))
        return;
    MapCharSource c;
    c.line = line;
    auto type = fields.find("type");
    if (type == fields.end()) {
        r.fail(r.path, line, "syntax", "char needs type=");
        return;
    }
    const bool generator = type->second == "generator";
    if (generator != (fields.count("kind") != 0)) {
        r.fail(r.path, line, "syntax", "kind= goes with type=generator and only there");
        return;
    }
    int kind = 0;
    if (generator) {
        if (!intField(r, line, fields, "kind", kind)) return;
        c.type = 20 + kind;
    } else if ((c.type = namedValue(type->second, kTypeNames)) < 0) {
        r.fail(r.path, line, "syntax", "unknown character type '" + type->second + "'");
        return;
    }
    if (!positionField(r, line, fields, "x", "col", c.x) || !positionField(r, line, fields, "y", "row", c.y)) return;
    if (intField(r, line, fields, "param0", c.param0) && intField(r, line, fields, "param1", c.param1) &&
        intField(r, line, fields, "param2", c.param2) && intField(r, line, fields, "param3", c.param3))
        r.stage.chars.push_back(c);
}

void readScroll(Reader& r, int line, const std::vector<std::string>& words) {
    std::map<std::string, std::string> fields;
    if (!parseFields(r, r.path, line, words, {"direction", "length", "speed"}, fields)) return;
    ScrollSource s;
    s.line = line;
    auto direction = fields.find("direction");
    if (direction == fields.end() || (s.direction = namedValue(direction->second, kDirectionNames)) < 0) {
        r.fail(r.path, line, "syntax", "scroll needs a direction= code 0-8 or a direction name");
        return;
    }
    // The end record still passes through the frame formula, so it gets a speed.
    if (s.direction == kScrollEnd) s.speed = 1000;
    else if (!fields.count("length") || !fields.count("speed")) {
        r.fail(r.path, line, "syntax", "scroll needs length= and speed=");
        return;
    }
    if (intField(r, line, fields, "length", s.length) && intField(r, line, fields, "speed", s.speed))
        r.stage.scroll.push_back(s);
}

// Edge piece of a family cell: which of its neighbours are open sky.
int familyPiece(const Reader& r, int column, int row) {
    auto open = [&](int c, int rr) {
        if (rr < 0 || rr >= int(r.rows.size()) || c < 0 || c >= int(r.rows[rr].first.size())) return false;
        auto it = r.legend.find(r.rows[rr].first[c]);
        return it != r.legend.end() && !it->second.family && it->second.tile == 0;
    };
    const bool top = open(column, row - 1), bottom = open(column, row + 1);
    const bool left = open(column - 1, row), right = open(column + 1, row);
    if (top) return left ? 5 : right ? 6 : 1;
    if (bottom) return left ? 7 : right ? 8 : 2;
    if (left) return 3;
    if (right) return 4;
    return 0;
}

void resolveTiles(Reader& r) {
    Stage& s = r.stage;
    if (r.rows.empty()) {
        r.fail(r.path, s.tilesLine, "grid-size", "the stage has no tile rows");
        return;
    }
    // Rows are measured against the most common width, so one stray row is
    // the one reported.
    std::map<std::size_t, int> widths;
    for (const auto& row : r.rows) ++widths[row.first.size()];
    int mostRows = 0;
    for (auto [width, count] : widths)
        if (count > mostRows) {
            mostRows = count;
            s.width = int(width);
        }
    s.height = int(r.rows.size());
    s.tiles.assign(std::size_t(s.width) * s.height, 0);
    for (int row = 0; row < s.height; ++row) {
        const auto& [text, line] = r.rows[row];
        if (int(text.size()) != s.width) {
            r.fail(r.path, line, "row-width", "row is " + std::to_string(text.size()) + " tiles wide, the others " +
                                                  std::to_string(s.width));
            continue;
        }
        for (int column = 0; column < s.width; ++column) {
            auto it = r.legend.find(text[column]);
            if (it == r.legend.end()) {
                r.fail(r.path, line, "tile-char", std::string("'") + text[column] + "' at column " +
                                                      std::to_string(column) + " is not in the legend");
                return;
            }
            s.tiles[std::size_t(row) * s.width + column] =
                it->second.tile + (it->second.family ? familyPiece(r, column, row) : 0);
        }
    }
}

}  // namespace

bool isTerrainTile(int tile) {
    static constexpr std::array<std::pair<int, int>, 9> kRanges = {{
        {1, 95}, {106, 111}, {122, 127}, {133, 143}, {150, 159}, {166, 175}, {184, 191}, {200, 207}, {208, 223}}};
    for (auto [first, last] : kRanges)
        if (tile >= first && tile <= last) return true;
    return false;
}

bool parseStage(const std::string& path, const std::string& text, Stage& stage, std::vector<Diagnostic>& diagnostics) {
    const std::size_t before = diagnostics.size();
    stage = Stage{};
    stage.file = path;
    Reader r{path, stage, diagnostics, {}, {}, false, false};
    std::istringstream in(text);
    std::string line;
    bool inTiles = false;
    for (int n = 1; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (inTiles) {
            if (line == "end") inTiles = false;
            else r.rows.emplace_back(line, n);
            continue;
        }
        const std::vector<std::string> words = splitWords(line);
        if (words.empty()) continue;
        const std::string& d = words[0];
        if (d == "include") readInclude(r, n, words);
        else if (d == "legend") readLegend(r, path, n, words);
        else if (d == "start") readStart(r, n, words);
        else if (d == "char") readChar(r, n, words);
        else if (d == "scroll") readScroll(r, n, words);
        else if (d == "tiles" && words.size() == 1) {
            if (r.sawTiles) r.fail(path, n, "grid-size", "a second tiles block");
            r.sawTiles = inTiles = true;
            stage.tilesLine = n + 1;
        } else r.fail(path, n, "syntax", "unknown directive '" + d + "'");
    }
    if (inTiles) r.fail(path, stage.tilesLine - 1, "syntax", "tiles block without its 'end' line");
    if (!r.sawStart) r.fail(path, 0, "start", "no start position");
    if (r.sawTiles) resolveTiles(r);
    else r.fail(path, 0, "grid-size", "no tiles block");
    return diagnostics.size() == before;
}

bool readStage(const std::string& path, Stage& stage, std::vector<Diagnostic>& diagnostics) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        diagnostics.push_back({path, 0, "file", "cannot open the stage source"});
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseStage(path, text.str(), stage, diagnostics);
}

std::string formatDiagnostic(const Diagnostic& d) {
    return d.file + ":" + (d.line > 0 ? std::to_string(d.line) + ":" : "") + " " + d.rule + ": " + d.message;
}

}  // namespace mapc

// The art catalog: every archive, entry and rectangle the game draws from, read from catalog.txt.
#pragma once

#include <string>
#include <vector>

namespace art {

// How an entry's transparency is stored in its PNG.
enum class EntryMode { Alpha, Add, Opaque };

// What a rectangle must look like once written.
enum class RectUse { Normal, Additive, Opaque, Clear };

struct Rect {
    std::string id;
    std::string label;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int cells = 1;
    RectUse use = RectUse::Normal;

    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
    int cellWidth() const { return width() / cells; }
    // Left edge of frame `cell` of the strip.
    int cellX(int cell) const { return x0 + cell * cellWidth(); }
};

struct Entry {
    int index = 0;
    int width = 0, height = 0;
    EntryMode mode = EntryMode::Alpha;
    std::vector<Rect> rects;
};

struct Archive {
    std::string name;
    int key = 0;
    std::vector<Entry> entries;
};

struct Catalog {
    std::vector<Archive> archives;

    const Archive* findArchive(const std::string& name) const;
};

// Parses the catalog text; on failure `error` names the line and the problem.
bool parseCatalog(const std::string& text, Catalog& out, std::string& error);
bool loadCatalog(const std::string& path, Catalog& out, std::string& error);

// The key colour of an archive as 0xRRGGBB.
unsigned keyColour(int key);

std::string pngName(const Archive& archive, const Entry& entry);

}  // namespace art

// Reads catalog.txt and checks that every entry and rectangle is consistent.
#include "Catalog.h"

#include <fstream>
#include <sstream>

namespace art {

namespace {

bool isPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

bool parseInt(const std::string& word, int& out) {
    if (word.empty() || word.size() > 6) return false;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

std::vector<std::string> splitWords(const std::string& line, std::size_t maxWords, std::string& rest) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    rest.clear();
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        if (pos >= line.size()) break;
        if (words.size() == maxWords) {
            rest = line.substr(pos);
            break;
        }
        std::size_t end = pos;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

}  // namespace

const Archive* Catalog::findArchive(const std::string& name) const {
    for (const Archive& archive : archives)
        if (archive.name == name) return &archive;
    return nullptr;
}

bool parseCatalog(const std::string& text, Catalog& out, std::string& error) {
    out.archives.clear();
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    auto fail = [&](const std::string& problem) {
        error = "catalog line " + std::to_string(lineNumber) + ": " + problem;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string rest;
        std::vector<std::string> words = splitWords(line, 10, rest);
        if (words.empty() || words[0][0] == '#') continue;
        const std::string& kind = words[0];
        if (kind == "archive") {
            int key = 0;
            if (words.size() != 3 || !parseInt(words[2], key) || key > 2)
                return fail("expected: archive NAME KEY(0-2)");
            if (out.findArchive(words[1])) return fail("archive " + words[1] + " listed twice");
            out.archives.push_back({words[1], key, {}});
            continue;
        }
        if (words.size() < 3) return fail("too few fields");
        if (out.archives.empty() || out.archives.back().name != words[1])
            return fail("\"" + words[1] + "\" is not the archive opened above");
        Archive& archive = out.archives.back();
        int index = 0;
        if (!parseInt(words[2], index)) return fail("bad entry index");
        if (kind == "entry") {
            Entry entry;
            entry.index = index;
            if (words.size() != 6 || !parseInt(words[3], entry.width) || !parseInt(words[4], entry.height))
                return fail("expected: entry ARCHIVE INDEX WIDTH HEIGHT MODE");
            if (index != static_cast<int>(archive.entries.size()))
                return fail("entries must be listed in order from 0");
            if (index >= 31) return fail("an archive holds at most 31 entries");
            if (!isPowerOfTwo(entry.width) || !isPowerOfTwo(entry.height) || entry.width > 1024 ||
                entry.height > 1024)
                return fail("entry sizes must be powers of two up to 1024");
            if (words[5] == "alpha") entry.mode = EntryMode::Alpha;
            else if (words[5] == "add") entry.mode = EntryMode::Add;
            else if (words[5] == "opaque") entry.mode = EntryMode::Opaque;
            else return fail("unknown mode " + words[5]);
            archive.entries.push_back(entry);
        } else if (kind == "rect") {
            if (index >= static_cast<int>(archive.entries.size()))
                return fail("rect of an entry not listed yet");
            Entry& entry = archive.entries[index];
            Rect rect;
            if (words.size() != 10 || rest.empty())
                return fail("expected: rect ARCHIVE INDEX X0 Y0 X1 Y1 CELLS USE ID LABEL");
            if (!parseInt(words[3], rect.x0) || !parseInt(words[4], rect.y0) || !parseInt(words[5], rect.x1) ||
                !parseInt(words[6], rect.y1) || !parseInt(words[7], rect.cells))
                return fail("bad number");
            if (rect.x1 <= rect.x0 || rect.y1 <= rect.y0 || rect.x1 > entry.width || rect.y1 > entry.height)
                return fail("rectangle outside its " + std::to_string(entry.width) + "x" +
                            std::to_string(entry.height) + " entry");
            if (rect.cells < 1 || rect.width() % rect.cells != 0)
                return fail("width does not split into " + words[7] + " equal cells");
            const std::string& use = words[8];
            if (use == "n") rect.use = RectUse::Normal;
            else if (use == "a") rect.use = RectUse::Additive;
            else if (use == "o") rect.use = RectUse::Opaque;
            else if (use == "c") rect.use = RectUse::Clear;
            else return fail("unknown use " + use);
            rect.id = words[9];
            for (const Rect& other : entry.rects)
                if (other.id == rect.id) return fail("rect id " + rect.id + " used twice in one entry");
            rect.label = rest;
            entry.rects.push_back(rect);
        } else {
            return fail("unknown line kind " + kind);
        }
    }
    if (out.archives.empty()) {
        error = "catalog lists no archives";
        return false;
    }
    for (const Archive& archive : out.archives)
        if (archive.entries.empty()) {
            error = "archive " + archive.name + " has no entries";
            return false;
        }
    return true;
}

bool loadCatalog(const std::string& path, Catalog& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!parseCatalog(text.str(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

unsigned keyColour(int key) {
    switch (key) {
    case 1: return 0xFF0000;
    case 2: return 0xFF00FF;
    default: return 0x000000;
    }
}

std::string pngName(const Archive& archive, const Entry& entry) {
    return archive.name + "_" + std::to_string(entry.index) + ".png";
}

}  // namespace art

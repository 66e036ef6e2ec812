// Builds "lnfpac/map.pac" bytes for tests, one stage block at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct StageSource {
    int32_t width = 2;
    int32_t height = 2;
    std::vector<int32_t> tiles = {0, 1, 0, 0};
    int32_t marker = 49;
    int32_t startX = 100;
    int32_t startY = 120;
    std::vector<std::vector<int32_t>> chars;  // type, x, y, param0-3
    std::optional<int32_t> charCount;         // the stored count, when not the number of records
    int32_t scrollCount = -1;                 // -1: the number of records
    std::vector<std::vector<int32_t>> scroll = {{4, 10, 1000}, {8, 0, 0}};
};

inline void putWord(std::vector<uint8_t>& out, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
}

inline std::vector<int32_t> stageWords(const StageSource& s)
{
    std::vector<int32_t> w = {s.width, s.height};
    w.insert(w.end(), s.tiles.begin(), s.tiles.end());
    w.push_back(s.marker);
    w.insert(w.end(), {s.startX, s.startY, 0, 0, 0, 0});
    w.push_back(s.charCount.value_or(static_cast<int32_t>(s.chars.size())));
    for (const auto& c : s.chars)
        w.insert(w.end(), c.begin(), c.end());
    int32_t count = s.scrollCount >= 0 ? s.scrollCount : static_cast<int32_t>(s.scroll.size());
    w.push_back(count);
    w.insert(w.end(), static_cast<size_t>(count) * 4, 0);
    for (const auto& r : s.scroll)
        w.insert(w.end(), r.begin(), r.end());
    return w;
}

inline std::vector<uint8_t> mapFile(const std::vector<StageSource>& stages)
{
    std::vector<uint8_t> out;
    putWord(out, static_cast<int32_t>(stages.size()));
    for (const StageSource& s : stages) {
        std::vector<int32_t> words = stageWords(s);
        putWord(out, static_cast<int32_t>(words.size() + 1));
        for (int32_t word : words)
            putWord(out, word);
    }
    return out;
}

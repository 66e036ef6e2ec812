// Stage archive writer; the layout is documented in MapWriter.h.
#include "MapWriter.h"

namespace mapc {

namespace {

void put(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto bits = std::uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(bits >> shift));
}

std::vector<std::int32_t> stageBlock(const Stage& s) {
    std::vector<std::int32_t> w = {s.width, s.height};
    w.insert(w.end(), s.tiles.begin(), s.tiles.end());
    w.insert(w.end(), {kStageMarker, s.startX, s.startY, 0, 0, 0, 0, std::int32_t(s.chars.size())});
    for (const MapCharSource& c : s.chars) w.insert(w.end(), {c.type, c.x, c.y, c.param0, c.param1, c.param2, c.param3});
    w.push_back(std::int32_t(s.scroll.size()));
    w.insert(w.end(), s.scroll.size() * 4, 0);
    for (const ScrollSource& r : s.scroll) w.insert(w.end(), {r.direction, r.length, r.speed});
    return w;
}

}  // namespace

std::vector<std::uint8_t> writeMapPac(const std::vector<Stage>& stages) {
    std::vector<std::uint8_t> out;
    put(out, std::int32_t(stages.size()));
    for (const Stage& s : stages) {
        const std::vector<std::int32_t> block = stageBlock(s);
        put(out, std::int32_t(block.size() + 1));
        for (std::int32_t word : block) put(out, word);
    }
    return out;
}

}  // namespace mapc

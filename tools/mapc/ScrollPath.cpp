// Scroll segments and the per-frame view step.
#include "ScrollPath.h"

namespace mapc {

namespace {

constexpr int kDirectionSteps[8][2] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}};

}  // namespace

std::vector<ScrollSegment> buildSegments(const std::vector<ScrollSource>& records) {
    std::vector<ScrollSegment> segments;
    for (const ScrollSource& r : records) {
        ScrollSegment s;
        s.speed = r.speed;
        if (r.direction < 0 || r.direction >= kScrollEnd || r.speed <= 0) {
            segments.push_back(s);  // stops the scroll, as the end record does
            break;
        }
        s.dx = kDirectionSteps[r.direction][0];
        s.dy = kDirectionSteps[r.direction][1];
        s.frames = int(r.length * 32.0 / (r.speed / 1000.0));
        segments.push_back(s);
    }
    return segments;
}

bool scrolling(const ScrollState& state, const std::vector<ScrollSegment>& segments) {
    return state.segmentIndex < int(segments.size()) && segments[state.segmentIndex].frames != 0;
}

void advanceScroll(ScrollState& state, const std::vector<ScrollSegment>& segments) {
    if (!scrolling(state, segments)) return;
    const ScrollSegment& s = segments[state.segmentIndex];
    if (state.accumulator >= 1000) state.accumulator = 0;
    state.accumulator += s.speed;
    state.pixelX += s.dx * state.accumulator / 1000;
    state.pixelY += s.dy * state.accumulator / 1000;
    // Pixels past the tile edge are dropped, not carried into the next tile.
    if (state.pixelX > 31 || state.pixelX < -31) {
        state.tileX += s.dx;
        state.pixelX = 0;
    }
    if (state.pixelY > 31 || state.pixelY < -31) {
        state.tileY += s.dy;
        state.pixelY = 0;
    }
    if (s.frames > state.segmentFrame) {
        ++state.segmentFrame;
    } else {
        ++state.segmentIndex;
        state.segmentFrame = 0;
    }
}

DrawnCells drawnCells(const ScrollState& state) {
    return {state.tileX + (state.pixelX < 0 ? -1 : 0), state.tileX + (state.pixelX > 0 ? 20 : 19),
            state.tileY + (state.pixelY < 0 ? -1 : 0), state.tileY + (state.pixelY > 0 ? 15 : 14)};
}

}  // namespace mapc

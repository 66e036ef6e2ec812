// The stage view's journey along its scroll records, stepped frame by frame
// with the same integer arithmetic the game uses, so the compiler can see every
// tile the view will draw and every place the craft will be.
#pragma once

#include "MapStage.h"

#include <vector>

namespace mapc {

struct ScrollSegment {
    int frames = 0;  // the segment lasts frames + 1 frames; 0 stops the scroll
    int dx = 0;
    int dy = 0;
    int speed = 0;
};

struct ScrollState {
    int tileX = 0, tileY = 0;    // map cell at the screen's top-left corner
    int pixelX = 0, pixelY = 0;  // pixels past that cell, -31..31
    int segmentIndex = 0, segmentFrame = 0, accumulator = 0;

    int cameraX() const { return tileX * kTileSize + pixelX; }
    int cameraY() const { return tileY * kTileSize + pixelY; }
};

// Frame counts and steps of the records, up to and including the end record.
std::vector<ScrollSegment> buildSegments(const std::vector<ScrollSource>& records);

// Whether the view still moves in state's current segment.
bool scrolling(const ScrollState& state, const std::vector<ScrollSegment>& segments);

// One frame of scrolling; does nothing once the scroll has stopped.
void advanceScroll(ScrollState& state, const std::vector<ScrollSegment>& segments);

// The cells drawn in a frame: one extra column or row on a side the view has
// moved into by a few pixels.
struct DrawnCells {
    int firstColumn, lastColumn, firstRow, lastRow;
};
DrawnCells drawnCells(const ScrollState& state);

}  // namespace mapc

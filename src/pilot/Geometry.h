// Boxes and the craft's reach, in screen pixels, as the pilot reasons about them.
#pragma once

#include <algorithm>

namespace pilot {

// Frames ahead that the pilot looks when it weighs a move.
constexpr int kHorizon = 16;

// An axis-aligned box; two boxes touch only when they overlap strictly, as in
// the game's collision test.
struct Box {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

inline bool overlaps(const Box& a, const Box& b)
{
    return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

inline Box grown(const Box& b, float by)
{
    return {b.left - by, b.top - by, b.right + by, b.bottom + by};
}

inline Box shifted(const Box& b, float dx, float dy)
{
    return {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

// The gap between two boxes (0 when they touch), measured along the wider axis gap.
inline float gapBetween(const Box& a, const Box& b)
{
    float dx = std::max({a.left - b.right, b.left - a.right, 0.0f});
    float dy = std::max({a.top - b.bottom, b.top - a.bottom, 0.0f});
    return std::max(dx, dy);
}

// The craft: a 64 x 64 sprite whose corner moves within these bounds, with a
// 5 x 5 hit box inside it; sweeps that hurt it measure from the sprite's centre.
constexpr float kCraftMinX = -32;
constexpr float kCraftMaxX = 576;
constexpr float kCraftMinY = -10;
constexpr float kCraftMaxY = 426;
constexpr float kCraftSpeed = 5;
constexpr float kCraftFocusSpeed = 2;

inline Box craftBox(float x, float y) { return {x + 36, y + 33, x + 41, y + 38}; }

// One step of the craft's movement, clamped at the screen's edges as the game does.
inline float craftStep(float at, int direction, float speed, float low, float high)
{
    if (direction > 0)
        return at + speed < high ? at + speed : high;
    if (direction < 0)
        return at - speed > low ? at - speed : low;
    return at;
}

}  // namespace pilot

// The map characters that change shape or place: beams that grow from their
// base and shrink back, and crawlers that walk around the walls.
#include "stage/MapCharRules.h"

#include <cstdint>

namespace {

// One edge of a beam running toward smaller coordinates (left, up): the edge
// goes below zero while growing and climbs back to zero.
void growTowardStart(MapChar& record, int32_t& edge)
{
    if (record.extending) {
        edge -= record.speed;
        if (edge < -int64_t{record.param1}) {
            record.extending = false;
            record.phase = record.param3;
        }
    } else {
        edge += record.speed;
        if (edge >= 0)
            record.extending = true;
    }
}

// One edge of a beam running toward larger coordinates (right, down).
void growTowardEnd(MapChar& record, int32_t& edge)
{
    if (record.extending) {
        edge += record.speed;
        if (edge > record.param1) {
            record.extending = false;
            record.phase = record.param3;
        }
    } else {
        edge -= record.speed;
        if (edge < 0)
            record.extending = true;
    }
}

enum Direction : int32_t { kLeft = 0, kRight = 1, kUp = 2, kDown = 3 };

// The crawler keeps the wall in its right and lower cells: it looks at the
// 2 x 2 cells under its top-left corner and turns round corners and ledges.
int32_t crawlerDirection(const MapChar& record)
{
    const int32_t c = record.mapX / 32;
    const int32_t r = record.mapY / 32;
    const bool t = mapCellSolid(c, r);
    const bool right = mapCellSolid(c + 1, r);
    const bool below = mapCellSolid(c, r + 1);
    const bool rightBelow = mapCellSolid(c + 1, r + 1);
    switch (record.param0) {
    case kLeft:
        if (!t)
            return below ? kLeft : kDown;
        return right ? kRight : kUp;
    case kRight:
        if (!rightBelow)
            return right ? kRight : kUp;
        return below ? kLeft : kDown;
    case kUp:
        if (!right)
            return t ? kUp : kLeft;
        return rightBelow ? kUp : kRight;
    case kDown:
        if (!below)
            return rightBelow ? kDown : kRight;
        return t ? kUp : kLeft;
    default:
        return record.param0;
    }
}

}  // namespace

void beamAction(MapChar& record)
{
    // The beam holds at full length, counting phase down, before it turns back.
    if (record.phase >= 0) {
        record.phase -= 1;
        return;
    }
    switch (record.param0) {
    case kLeft:
        growTowardStart(record, record.hitLeft);
        break;
    case kRight:
        growTowardEnd(record, record.hitRight);
        break;
    case kUp:
        growTowardStart(record, record.hitTop);
        break;
    case kDown:
        growTowardEnd(record, record.hitBottom);
        break;
    default:
        break;
    }
}

void crawlerAction(MapChar& record)
{
    if (record.clock % 32 == 0)
        record.param0 = crawlerDirection(record);
    switch (record.param0) {
    case kLeft:
        record.mapX -= record.speed;
        break;
    case kRight:
        record.mapX += record.speed;
        break;
    case kUp:
        record.mapY -= record.speed;
        break;
    case kDown:
        record.mapY += record.speed;
        break;
    default:
        break;
    }
    record.u = static_cast<float>(record.frame) * record.du;
    record.frame = (record.frame + 1) % 3;
}

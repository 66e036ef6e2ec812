// Everything that can hurt the craft in the next frames, predicted from what
// is on screen: bullets and enemies from their kinds and their observed
// motion, the map's characters and tiles from the map and its scroll.
#pragma once

#include <algorithm>
#include <vector>

#include "pilot/Geometry.h"
#include "pilot/Sight.h"

namespace pilot {

// A box that takes damage hit points a frame from a craft whose hit box it
// overlaps; at[k] is where it will be once k more frames have been made.
struct Hazard {
    Box at[kHorizon + 1];
    Box reach;          // every at[k] together
    float damage = 0;
    float drift = 0;    // how far off the prediction may be per frame ahead
    bool once = false;  // it is gone after its first contact
    bool known = true;  // false for what is predicted to appear (bursts)
};

// Sets reach from at[1..kHorizon].
inline void fillReach(Hazard& h)
{
    h.reach = h.at[1];
    for (int k = 2; k <= kHorizon; ++k) {
        h.reach.left = std::min(h.reach.left, h.at[k].left);
        h.reach.top = std::min(h.reach.top, h.at[k].top);
        h.reach.right = std::max(h.reach.right, h.at[k].right);
        h.reach.bottom = std::max(h.reach.bottom, h.at[k].bottom);
    }
}

// A row of points that hurts the craft when the centre of its sprite comes
// within radius of one of them (lasers and the sweeping arms).
struct DiscRow {
    float originX[kHorizon + 1];
    float originY[kHorizon + 1];
    float stepX[kHorizon + 1];
    float stepY[kHorizon + 1];
    int count = 0;
    float radius = 0;
    float damage = 0;
};

// A missile that flies straight until it passes the craft and then turns
// towards it; where it goes depends on where the craft goes.
struct TurningMissile {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    Box hit;  // relative to x, y
    float damage = 0;
    bool turned = false;
};

struct HazardField {
    std::vector<Hazard> hazards;
    std::vector<DiscRow> rows;
    std::vector<TurningMissile> missiles;
    // The map view after this frame, and how far it moves each frame.
    float viewX = 0;
    float viewY = 0;
    float viewVx = 0;
    float viewVy = 0;
    bool tilesHurt = true;
};

void gatherBulletHazards(const TrackSet& bullets, HazardField& field);
void gatherEnemyHazards(const TrackSet& enemies, HazardField& field);
void gatherMapHazards(HazardField& field);

// True when a solid tile lies under a corner of box once the view has moved
// to (viewX, viewY).
bool boxOnTiles(const Box& box, float viewX, float viewY);

}  // namespace pilot

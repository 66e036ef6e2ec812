// Choosing where the craft goes: a few dozen candidate moves, each swept
// along the craft's path for the horizon against the predicted hazards, and
// weighed with how well the path lines the craft up to fire.
#pragma once

#include "pilot/Hazards.h"

namespace pilot {

// A move as the screen shows it: a direction held for some frames at full or
// focused speed, then a stop.
struct Move {
    int dx = 0;
    int dy = 0;
    bool focus = false;
    int frames = kHorizon;
};

// Where the pilot would like the craft to be, and how much that matters.
struct Aim {
    bool has = false;
    float lineY = 240;     // the row the craft's shots should travel along
    float standX = 120;    // the craft's x it would fire from
    float weight = 1;
};

struct SteeringResult {
    Move move;
    // Predicted damage of the chosen move from bullets and enemies, weighted
    // by nearness, and the part of it that comes within a few frames.
    float danger = 0;
    float soonDamage = 0;
    float tileDamage = 0;  // predicted damage from solid tiles
};

SteeringResult steer(const HazardField& field, float craftX, float craftY, const Aim& aim,
                     const Move& previous);

}  // namespace pilot

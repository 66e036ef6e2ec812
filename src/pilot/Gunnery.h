// Choosing what to shoot and how: the target and the row to fire along, the
// tap fire of both shot buttons, the sub-weapon when it pays and the special
// attack when nothing else saves the craft.
#pragma once

#include "pilot/Sight.h"
#include "pilot/Steering.h"

namespace pilot {

struct Target {
    bool has = false;
    Box box;
    bool boss = false;
};

// The enemy or map character most worth shooting from where the craft is.
Target chooseTarget(const TrackSet& enemies, float craftX, float craftY);

// Where the craft would fire at target from.
Aim aimFor(const Target& target, float craftX);

struct Weapons {
    bool subWeapon = false;  // the sub-weapon button is to be down next frame
    bool special = false;
};

// The sub-weapon and special decisions for the chosen move; held says which
// of them were down this frame.
Weapons chooseWeapons(const Target& target, const SteeringResult& steering, const TrackSet& bullets,
                      float craftX, float craftY, const Weapons& held);

}  // namespace pilot

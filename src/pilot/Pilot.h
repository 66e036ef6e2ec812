// The pilot: plays Lanternfall from the title to the ending as a player
// would, by keys alone. Once a frame has been presented it looks at what the
// screen shows (the objects, the map, the HUD) and decides the keys for the
// next frame; it never changes the game and never looks ahead of it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Backend.h"

namespace pilot {

struct Plan {
    bool story = true;
    int character = 0;
    int subWeapon = 0;
};

using Keys = std::array<bool, static_cast<size_t>(platform::Key::Count)>;

enum class Outcome { Playing, Ending, GaveUp };

void startPilot(const Plan& plan);
// Called once frame has been presented: the keys to hold while the next frame
// is made. Lines for the report (stage clears, the ending) are appended.
Keys pilotFrame(int frame, std::vector<std::string>& lines);
Outcome pilotOutcome();
// The last line of a run that ends before the pilot got to the ending.
std::string giveUpLine(int frame);

}  // namespace pilot

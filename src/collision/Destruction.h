// What happens when something is destroyed, and the count of items the craft
// collected in this stage attempt.
#pragma once

#include <cstdint>

class GameObject;

// Items picked up in the current stage attempt; the stage clear banks 100 a
// piece and both resets clear it.
extern int32_t g_itemsCollected;

// The destruction handler: the explosion, sound or stage clear of whatever a
// collision pass, a wall, a map character or a special attack destroyed. It
// neither removes the object nor touches its list.
void onDestroyed(GameObject& obj);

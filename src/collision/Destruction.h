// What happens when something is destroyed, and the count of items the craft
// collected in this stage attempt.
#pragma once

#include <cstdint>

class GameObject;

extern int32_t g_itemsCollected;

// The destruction handler: the explosion, sound or stage clear of whatever a
// collision pass, a wall or a map character destroyed.
void onDestroyed(GameObject& obj);

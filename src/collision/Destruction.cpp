// The destruction handler. Its explosions and the stage clear arrive with the
// effects and the enemies; until then a destroyed object simply goes.
#include "collision/Destruction.h"

int32_t g_itemsCollected = 0;

void onDestroyed(GameObject&) {}

// The per-step logic of one enemy, run by the enemy pass right after drawing it.
#pragma once

class GameObject;

// Runs the behaviour of the enemy under *cur (unless an event has frozen the
// player), clears its hit tint, then moves *cur on: to the next enemy, or,
// when the enemy died, to its successor after removing it from the list.
void updateEnemy(GameObject** headAddress, GameObject** cur);

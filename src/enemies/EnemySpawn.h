// Creating enemies: the kind table's starting values and special rules.
#pragma once

// An enemy of the kind at (x, y), heading at angle degrees, appended to the
// enemy list.
void spawnEnemy(int kind, float x, float y, double angle);

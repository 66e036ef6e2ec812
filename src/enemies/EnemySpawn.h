// Creating enemies: the kind table's starting values and special rules.
#pragma once

class GameObject;

// Enemy kinds are numbered 0 to kEnemyKinds - 1.
constexpr int kEnemyKinds = 22;

// An enemy of the kind at (x, y), heading at angle degrees, appended to the
// enemy list. (x, y) is the top-left corner, except for the second form's arms
// (kinds 18 and 19), whose position is their centre. A kind outside the table
// is refused: nothing is created.
void spawnEnemy(int kind, float x, float y, double angle);

// Gives a new enemy its kind's starting values, then the kind's special rules.
void initEnemy(GameObject& enemy, double angle);

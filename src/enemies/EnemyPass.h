// The enemy list's pass: draws and updates every enemy.
#pragma once

class GameObject;

// For each enemy in list order: draw it, then run its update, which moves the
// walk on (so each enemy is drawn where it stood before this step's move).
void enemyPass();

// One enemy's quad: texture, cell and blend by kind. Kinds 18 and 19 are drawn
// as a large rectangle turned by their angle about their centre (x, y).
void drawEnemy(const GameObject& enemy);

// Creating enemy bullets: the kind table's starting values and special rules.
#pragma once

class GameObject;

// A bullet of the kind at the source, heading at angle degrees (some kinds
// read the angle as a position or a mode), appended to the bullet list. Null,
// and nothing created, for a null source or a kind the table does not have,
// or for a map-anchored kind whose map character does not exist.
GameObject* spawnBullet(GameObject* source, int kind, double angle);
// The kind's starting values and special rules, given the spawn angle.
void initBullet(GameObject& bullet, double angle);

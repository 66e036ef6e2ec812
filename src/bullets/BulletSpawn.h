// Creating enemy bullets: the kind table's starting values and special rules.
#pragma once

class GameObject;

// A bullet of the kind at the source, heading at angle degrees, appended to
// the bullet list.
void spawnBullet(GameObject* source, int kind, double angle);

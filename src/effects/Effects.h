// The two effect lists' spawn operations and pass.
#pragma once

class GameObject;

// A front-list effect of the kind, placed from source.
void spawnEffect(GameObject* source, int kind);
// As spawnEffect, constructed at the integer screen position (x, y).
void spawnEffectAt(GameObject* source, int kind, int x, int y);
// As spawnEffect, on the back list.
void spawnBackEffect(GameObject* source, int kind);
// Draws and updates every effect of one list.
void effectPass(GameObject** list);

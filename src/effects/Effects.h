// The two effect lists' spawn operations and pass.
#pragma once

class GameObject;

// A front-list effect of the kind, placed from source. A kind the game has no
// row for, or a missing source, creates nothing.
void spawnEffect(GameObject* source, int kind);
// As spawnEffect, constructed at the integer screen position (x, y).
void spawnEffectAt(GameObject* source, int kind, int x, int y);
// As spawnEffect, on the back list.
void spawnBackEffect(GameObject* source, int kind);

// The kind's starting values, then its placement: kinds 4, 9 and 23 have
// their own spots; any other effect still at (0, 0) is centred on source.
void initEffect(GameObject& effect, const GameObject& source);

// Draws and updates every effect of one list, oldest first. Effects run while
// the world is frozen: the screens that freeze it are effects themselves.
void effectPass(GameObject** list);
// One effect's quad with its kind's sheet, cell and blend.
void drawEffect(const GameObject& effect);
// The kind's behaviour; an effect that ended is removed. Returns the effect
// to visit next.
GameObject* updateEffect(GameObject** list, GameObject* effect);

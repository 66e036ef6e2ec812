// Items: score pieces scattered by destroyed enemies and by the bullets left
// when a boss falls; they drift, then scroll away to the left until the craft
// touches them.
#pragma once

class GameObject;

// count items of the kind around the centre of source, on rings of growing
// radius (the first 16 pixels right of the centre). Counts beyond the rings
// reuse the outermost ring; an unknown kind or a null source spawns nothing.
void spawnItems(const GameObject* source, int kind, int count);
// Draws and updates every item; runs even while the world is frozen.
void itemPass();

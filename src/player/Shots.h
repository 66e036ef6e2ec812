// The player's shots: spawning by kind, the shot list's pass and each kind's
// rule.
#pragma once

class GameObject;

extern int g_burstAngle;  // next heading of a laser (kind 14) or burst shot (kind 16)
extern int g_rainAngle;   // angle offset of the next rain shot (kind 18)

// Creates a shot of the kind at its spawn point next to source and appends it
// to the shot list. Null for a kind the table does not have.
GameObject* spawnShot(GameObject* source, int kind);
// The kind's starting values, then the kind's own set-up.
void initShot(GameObject& shot);
// Draws every shot, then (unless the world is frozen) updates it, removing
// the shots that ended.
void shotPass();
// The kind's rule, then the wall test.
void updateShot(GameObject& shot);
// The spread counter, burst and rain angles, sword, boomerang and barrier
// state back to their values at the start of a game.
void resetShotState();

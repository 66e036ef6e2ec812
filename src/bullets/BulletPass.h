// The enemy-bullet list's pass: draws and updates every bullet.
#pragma once

class GameObject;

// The position the last large orbit shot published; kOrbitAnchorGone once it
// has left, after which its orbiters vanish.
constexpr int kOrbitAnchorGone = 7777777;
extern int g_orbitAnchorX;
extern int g_orbitAnchorY;
// The laser's animation: a tick count and its frame, 0-3.
extern int g_laserTick;
extern int g_laserFrame;

// Draws every bullet (point filtering unless a kind asks otherwise), then,
// unless the world is frozen, updates it; bullets that ended are removed.
void bulletPass();
// One bullet's step: its kind's rule, then the wall test.
void updateBullet(GameObject& bullet);
// The bullet's quad with its kind's texture, rectangle and blend.
void drawBullet(GameObject& bullet);

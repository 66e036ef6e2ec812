// Inside the enemy code: the conventions every behaviour shares and the
// per-kind behaviours of the regular enemies.
#pragma once

class GameObject;

// The heading from the enemy's top-left corner to a point 25 pixels right of
// and below the craft's top-left corner.
double aimAngle(const GameObject& enemy);
// vx, vy from a heading in degrees and a magnitude.
void setVelocity(GameObject& enemy, double angle, double magnitude);
// Every period steps of timer: anim + 1, or back to 0 from last.
void cycleAnim(GameObject& enemy, int last, int period);
// Up at speed while flag is set, down otherwise; the flag turns the enemy
// round once it is above 0 or below 224.
void patrolVertically(GameObject& enemy);
// The screen box: -80..640 across, -80..480 down.
bool outsideScreenBox(const GameObject& enemy);
// Dies once outside the screen box.
void leaveScreenBox(GameObject& enemy);

// Flyers and swarms.
void updateRingShard(GameObject& enemy);       // kind 0
void updateZigzagFlyer(GameObject& enemy);     // kind 2
void updateUTurner(GameObject& enemy);         // kind 3
void updateRingSpawner(GameObject& enemy);     // kind 4
void updateDiagonalFlyer(GameObject& enemy);   // kind 5
void updateBrakingDasher(GameObject& enemy);   // kind 6

// Heavy craft.
void updateGunPlatform(GameObject& enemy);     // kind 12
void updateCharger(GameObject& enemy);         // kind 13
void updateBouncer(GameObject& enemy);         // kind 15

// Runners and drifters.
void updateMapRunner(GameObject& enemy);       // kind 14
void updateZigzagRunner(GameObject& enemy);    // kind 16
void updateDrifter(GameObject& enemy);         // kinds 20 and 21

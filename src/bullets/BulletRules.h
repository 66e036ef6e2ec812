// Inside the bullet code: the building blocks the kinds' rules share and one
// rule per kind, grouped by family.
#pragma once

#include <cstdint>

#include "platform/Device.h"

class GameObject;

// Truncated toward zero to an int32 (whole degrees, whole pixels); values no
// int32 can hold are clamped, NaN is 0.
int32_t truncInt(double v);
// The heading from the bullet's top-left corner to a point 25 pixels into the
// craft; 0 while there is no craft.
double aimAngle(const GameObject& bullet);
// vx, vy = cos, sin of the angle times the magnitude.
void velocityFrom(GameObject& bullet, double angle, float magnitude);
void moveByVelocity(GameObject& bullet);
// Clears alive outside [x0, x1] x [y0, y1].
void leaveBox(GameObject& bullet, float x0, float x1, float y0, float y1);
// The box of most kinds: [-80, 640] x [-80, 480].
void leaveScreen(GameObject& bullet);
// cell runs first..last, the next one each call.
void nextCell(GameObject& bullet, int32_t first, int32_t last);
// A bullet fired by a bullet starts from the firing bullet.
void fire(GameObject& from, int kind, double angle);

// Sheet pages, null when not loaded: S = enemy shots, FX = effects, and the
// map's tile sheet.
const platform::Texture* shotPage(int page);
const platform::Texture* effectPage(int page);
const platform::Texture* mapTilePage();

// Straight flyers and other single bullets.
void updateStraight(GameObject& b);
void updateStopAndTurn(GameObject& b);      // 7
void updatePauseAndDash(GameObject& b);     // 25
void updateAcceleratingDart(GameObject& b); // 26
void updateLineRunner(GameObject& b);       // 34
void updateRowRunner(GameObject& b);        // 35
void updateScatterLayer(GameObject& b);     // 38
void updateLob(GameObject& b);              // 39

// Bursts, spinners and spirals.
void updateRingBurst(GameObject& b);        // 4, 5, 11
void updateSpinner(GameObject& b);          // 2
void updateSpiralArm(GameObject& b);        // 10
void updateRotatingFan(GameObject& b);      // 14

// Star shells, missiles, stars and the wall turret.
void updateStarShell(GameObject& b);        // 18
void updateHomingMissile(GameObject& b);    // 19
void updateStarBurst(GameObject& b);        // 20
void updateBrakingStar(GameObject& b);      // 21
void updateStar(GameObject& b);             // 22
void updateTurningMissile(GameObject& b);   // 23
void updateWallTurret(GameObject& b);       // 24

// Beams and the laser.
void updateVerticalBeam(GameObject& b);     // 13
void updateHorizontalBeam(GameObject& b);   // 16
void updateLaser(GameObject& b);            // 29

// Bullets that follow a map character.
void updateMapAnchored(GameObject& b);      // 32, 33

// Large rotating shots, orbiters, curlers and accelerating orbs.
void updateLargeShot(GameObject& b);        // 40, 41, 42, 43, 45
void updateOrbiter(GameObject& b);          // 44
void updateCurler(GameObject& b);           // 46
void updateAcceleratingOrb(GameObject& b);  // 47, 48, 49

// Inside the bullet code: the building blocks the kinds' rules share and one
// rule per kind, grouped by family. They live in their own namespace so that
// their plain names (fire, aimAngle, leaveScreen) stay the bullets' own.
#pragma once

#include <cstdint>

#include "platform/Device.h"

class GameObject;

namespace bullets {

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
void updateBulletStraight(GameObject& b);
void updateBulletStopAndTurn(GameObject& b);      // 7
void updateBulletPauseAndDash(GameObject& b);     // 25
void updateBulletAcceleratingDart(GameObject& b); // 26
void updateBulletLineRunner(GameObject& b);       // 34
void updateBulletRowRunner(GameObject& b);        // 35
void updateBulletScatterLayer(GameObject& b);     // 38
void updateBulletLob(GameObject& b);              // 39

// Bursts, spinners and spirals.
void updateBulletRingBurst(GameObject& b);        // 4, 5, 11
void updateBulletSpinner(GameObject& b);          // 2
void updateBulletSpiralArm(GameObject& b);        // 10
void updateBulletRotatingFan(GameObject& b);      // 14

// Star shells, missiles, stars and the wall turret.
void updateBulletStarShell(GameObject& b);        // 18
void updateBulletHomingMissile(GameObject& b);    // 19
void updateBulletStarBurst(GameObject& b);        // 20
void updateBulletBrakingStar(GameObject& b);      // 21
void updateBulletStar(GameObject& b);             // 22
void updateBulletTurningMissile(GameObject& b);   // 23
void updateBulletWallTurret(GameObject& b);       // 24

// Beams and the laser.
void updateBulletVerticalBeam(GameObject& b);     // 13
void updateBulletHorizontalBeam(GameObject& b);   // 16
void updateBulletLaser(GameObject& b);            // 29

// Bullets that follow a map character.
void updateBulletMapAnchored(GameObject& b);      // 32, 33

// Large rotating shots, orbiters, curlers and accelerating orbs.
void updateBulletLargeShot(GameObject& b);        // 40, 41, 42, 43, 45
void updateBulletOrbiter(GameObject& b);          // 44
void updateBulletCurler(GameObject& b);           // 46
void updateBulletAcceleratingOrb(GameObject& b);  // 47, 48, 49

}  // namespace bullets

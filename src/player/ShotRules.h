// Inside the shot code: the per-kind rules, the building blocks they share and
// the state of the sub-weapons that draw themselves.
#pragma once

#include <cstdint>

#include "platform/Device.h"

class GameObject;

// Blink: four frames on the first columns, then two columns alternating.
void blink(GameObject& shot);
// Killed at the right edge, otherwise moved right by its speed, blinking.
void straightRight(GameObject& shot);

// A square whose corners lie at distance radius from (cx, cy) at angles
// angle + 225, 315, 45, 135 degrees, whole texture, white with the alpha.
void squareAbout(platform::Vertex quad[4], float cx, float cy, float radius, int32_t angle,
                 int32_t alpha);

// Shot sheet entries, null when the sheet is not loaded.
const platform::Texture* shotSheetA(int index);
const platform::Texture* shotSheetB(int index);
const platform::Texture* effectSheet(int index);

// Moving shots: tap and charged shots, pellets, beams, pillars, release beam.
void updateTapShot(GameObject& shot);
void updateSparkCounter(GameObject& shot);
void updateHomingPellet(GameObject& shot);
void updateRotatingBeam(GameObject& shot);
void updatePillar(GameObject& shot);
void updateReleaseBeam(GameObject& shot);

// Sub-weapon shots.
void updateSword(GameObject& shot);
void updateBoomerang(GameObject& shot);
void updateLaserGenerator(GameObject& shot);
void updateLaser(GameObject& shot);
void updateBurstGenerator(GameObject& shot);
void updateBurstShot(GameObject& shot);
void updateRainEmitter(GameObject& shot);
void updateRainShot(GameObject& shot);
void updateBarrier(GameObject& shot);

// The sword sweep: angle (from 180), fade stage 0-6 and fade frame counter.
struct SwordState {
    int32_t sweep = 180;
    int32_t fadeStage = 0;
    int32_t fadeFrame = 0;
};
extern SwordState g_swordState;

constexpr int kBoomerangTrailLength = 6;
struct TrailRecord {
    float x[4];
    float y[4];
    int32_t alpha;
};
struct BoomerangTrail {
    TrailRecord records[kBoomerangTrailLength];
    int32_t ringIndex = 0;
    int32_t fill = 0;
    int32_t spin = 0;
};
extern BoomerangTrail g_boomerangTrail;
extern int32_t g_barrierSpin;

// Inside the effect code: the animation steps the kinds share and one rule per
// kind, grouped by family. They live in their own namespace so that their
// plain names stay the effects' own.
#pragma once

#include <cstdint>

class GameObject;

namespace effects {

// Frames first..last, each shown hold updates (cell counts the hold, anim is
// the frame). playOnce kills the effect after the last frame's hold;
// loopFrames starts again at frame 0.
void playOnce(GameObject& e, int32_t lastFrame, int32_t hold);
void loopFrames(GameObject& e, int32_t lastFrame, int32_t hold);
// Places the effect and gives it its size.
void placeAt(GameObject& e, float x, float y, int32_t width, int32_t height);

// Explosions, sparks and flashes.
bool isOneShot(int kind);
void updateOneShot(GameObject& e);          // 3, 5-8, 18, 24, 25, 35, 36, 38, 200, 201
void updateExplosionSource(GameObject& e);  // 37
void updateScreenFlash(GameObject& e);      // 26

// The craft's attack effects.
void updateLargeBurst(GameObject& e);       // 4
void updateReleaseCutIn(GameObject& e);     // 9
void updateHitBoxMarker(GameObject& e);     // 21
void updateSlowingField(GameObject& e);     // 22
void updateTravellingOrb(GameObject& e);    // 31

// Screens that take over play, and the captions.
void updatePageMarker(GameObject& e);       // 23
void updateGameOver(GameObject& e);         // 27
void updatePauseScreen(GameObject& e);      // 28
void updateStageClear(GameObject& e);       // 1000
void updateUnlockCaption(GameObject& e);    // 2100

// The title screen.
void updateTitleBackground(GameObject& e);  // 14
void updateTitleEntry(GameObject& e);       // 15, 2000, 16, 33, 17

}  // namespace effects

// The craft's step: after-images, controls, drawing and the idle animation;
// and the two resets of play.
#pragma once

#include <cstdint>

// The ring of the craft's most recent positions, drawn as after-images while
// focus is held.
constexpr int kAfterImageCount = 11;
struct AfterImage {
    float x, y;
    int32_t cell;
    float anim;
    int32_t alpha;
    int32_t poseSheet;
};
struct AfterImageRing {
    AfterImage images[kAfterImageCount];
    int32_t fill = 0;       // 0-11 stored
    int32_t ringIndex = 0;  // next to overwrite once full, 0-10
};
extern AfterImageRing g_afterImages;

void updatePlayer();
// Empties the lists and returns to the title with everything reset.
void resetForNewGame();
// Plays the current stage again: as a new game, but keeping the character,
// sub-weapon, banked score, the open menu and the text windows.
void restartStage();

// Character selection: first one of two characters, then one of that
// character's four sub-weapons while a live demonstration of the highlighted
// one plays on the right. The last confirm hands over to stage loading.
#pragma once

#include <cstdint>

namespace platform {
class Texture;
}

extern int32_t g_selectCursor;     // 0-1 choosing the character, 0-3 the sub-weapon; clamped
extern bool g_selectConfirm;       // set on the first frame of a confirm press, consumed by the scene
extern int32_t g_selectLastCursor; // the cursor of the previous frame, to notice a change
extern bool g_previewRunning;      // a demonstration is playing
extern bool g_texturesTrimmed;     // the other character's pictures have been released

// Latches and the screen's moving parts.
struct SelectScreenState {
    bool moveLatch = false;
    // Held at start, so that a confirm held on entry must be released first.
    bool confirmLatch = true;
    // Per character: a 4-frame counter and the sprite row 0-3 it advances.
    int32_t rowCounter[2] = {};
    int32_t row[2] = {};
    int32_t lineY = 0;  // horizontal background lines, 0-479
    int32_t lineX = 0;  // vertical background lines, 0-639
    int32_t frameAlpha = 128;
    bool frameRising = true;
};
extern SelectScreenState g_selectScreen;

void selectScene();
// Moves cursor on the first frame of a direction and sets confirm on the
// first frame of a confirm press.
void selectInput(int32_t& cursor, bool& confirm);
// The selection frame's two brackets at (x, y) and (x, y + 64), pulsing.
void drawSelectionFrame(const platform::Texture* texture, float x, float y);

// The screen's state at program start.
void resetSelectScreen();

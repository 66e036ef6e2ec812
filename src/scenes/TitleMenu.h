// The title menu: start, start with the story, button configuration, gallery
// and quit. Its pictures are front effects that read the cursor; the scene
// itself reads the controls, draws the effect list and switches scenes.
#pragma once

#include <cstdint>

constexpr int kTitleEntries = 5;

// 0 while nothing is chosen, else the chosen entry + 1 (1-4).
extern int32_t g_titleChoice;
// The title's effects exist; cleared whenever the title is left, so that
// coming back spawns them again.
extern bool g_titleEntered;

// Edge latches of the cursor keys and of the confirm control.
struct TitleLatches {
    bool move = false;
    // Held at start, so that a confirm already down when the program starts
    // does nothing until it is released.
    bool confirm = true;
};
extern TitleLatches g_titleLatches;

// The entry under the cursor, 0-4. It lives in the hold counter of the
// joystick button assigned to shot B, where the entry pictures read it; the
// new-game reset therefore puts it back to 0.
int32_t& titleCursor();

void titleScene();
void titleInput();

// The menu's state at program start.
void resetTitleMenu();

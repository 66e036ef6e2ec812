// Button configuration: six rows, one per player action in the order of the
// button assignment file, and an exit row. A fresh joystick press on an action
// row assigns that button to the action; the action that had it takes the
// row's old button. Leaving by the exit row saves the file.
#pragma once

#include <cstdint>

#include "data/ButtonConfig.h"

constexpr int kConfigExitRow = 6;
// The pressed-button value while no joystick button is down.
constexpr int32_t kNoButtonPressed = 8;

extern int32_t g_configRow;     // 0-5 the actions, 6 the exit item
extern int32_t g_configButton;  // button 0-7 pressed, kNoButtonPressed when none

// Edge latches. The press latches start held, so that the button that chose
// this scene on the title does not assign itself on arrival.
struct ConfigLatches {
    bool move = false;
    bool press = true;   // a joystick button (or "Z") is held
    bool action = true;  // the scene has acted on the current press
};
extern ConfigLatches g_configLatches;

void buttonConfigScene();
// Moves row on the first frame of a direction (wrapping with a joystick) and
// sets button on the first frame of a joystick press. True while a press is
// held. Nothing changes when the joystick cannot be read.
bool buttonConfigInput(int32_t& row, int32_t& button);
// Gives action row the pressed button; the first action that already had it
// takes the row's previous button. Buttons outside 0-7 and rows outside 0-5
// change nothing.
void assignButton(int buttons[kActionCount], int row, int button);

// The scene's state at program start.
void resetButtonConfigScene();

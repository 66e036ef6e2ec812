// The in-game menu's input helpers, from the joystick and the keyboard.
#pragma once

#include <cstdint>

#include "platform/Backend.h"

// The stick's dead zone: a deflection must exceed it to count as a direction.
constexpr int kStickDeadZone = 10;

// True while a direction is held; moves cursor by one only when
// heldLastFrame is false. The caller keeps the result for the next frame and
// wraps the cursor itself.
bool menuCursorStep(int32_t* cursor, bool heldLastFrame);
// True while a confirm control is down; the caller detects the press.
bool menuConfirmDown();

// True when the joystick button assigned to the action is down in state.
bool joystickActionDown(const platform::JoystickState& state, int action);

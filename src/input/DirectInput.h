// The joystick: found once at start-up, acquired while the window is active,
// read by each consumer at most once per frame.
#pragma once

#include "platform/Backend.h"

extern bool g_joystickPresent;
extern bool g_windowActive;

bool initDirectInput();
void releaseDirectInput();
// True while a joystick device exists (DirectInput's g_joystick is not null).
bool joystickExists();
void acquireJoystick();
void unacquireJoystick();
// False when the joystick could not be read this frame; state is then untouched.
bool readJoystickState(platform::JoystickState& state);

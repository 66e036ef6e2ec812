// The joystick: found at start-up or when plugged in later, acquired while the
// window is active, read by each consumer at most once per frame.
#pragma once

#include "platform/Backend.h"

extern bool g_joystickPresent;
extern bool g_windowActive;

bool initDirectInput();
void releaseDirectInput();
// True while a joystick device exists (DirectInput's g_joystick is not null).
bool joystickExists();
// A pad was plugged in or pulled out: g_joystickPresent follows whether one
// is open now (the platform has already opened the next pad, if any).
void joystickDevicesChanged();
void acquireJoystick();
void unacquireJoystick();
// False when the joystick could not be read this frame; state is then untouched.
bool readJoystickState(platform::JoystickState& state);

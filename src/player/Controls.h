// The craft's controls: reading the devices into the input globals, then
// moving the craft and running every firing rule from them.
#pragma once

// Fill g_moveX, g_moveY, g_buttonDown and the aim from the joystick or the keyboard.
void readJoystickControls();
void readKeyboardControls();
// Pose, movement, aim, special attack, focus, sub-weapon, toggle and both
// shot buttons, in that order.
void controlPlayer();

// The physical button of an action, or -1 when the assignment is out of range.
int actionButtonIndex(int action);
// True while the physical button of the action is down this frame.
bool actionDown(int action);

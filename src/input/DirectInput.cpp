// The joystick device over the platform's first attached pad.
#include "input/DirectInput.h"

bool g_joystickPresent = false;
bool g_windowActive = true;

bool initDirectInput()
{
    if (!platform::backend().openJoystick())
        return false;
    platform::backend().acquireJoystick();
    return true;
}

void releaseDirectInput()
{
    if (!joystickExists())
        return;
    platform::backend().unacquireJoystick();
    platform::backend().closeJoystick();
}

bool joystickExists() { return platform::backend().joystickOpen(); }

void joystickDevicesChanged() { g_joystickPresent = joystickExists(); }

void acquireJoystick() { platform::backend().acquireJoystick(); }

void unacquireJoystick() { platform::backend().unacquireJoystick(); }

bool readJoystickState(platform::JoystickState& state)
{
    platform::Backend& backend = platform::backend();
    if (backend.readJoystick(state))
        return true;
    // Input lost while the window is active is reacquired on demand, once, so
    // a pad that is gone cannot hold the game in a retry loop.
    if (!g_windowActive || !backend.acquireJoystick())
        return false;
    return backend.readJoystick(state);
}

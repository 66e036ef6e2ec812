// With a joystick, the stick, the D-pad arrows and both axes count; without
// one only Up and Down move the cursor.
#include "input/MenuInput.h"

#include "data/ButtonConfig.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"

bool menuCursorStep(int32_t* cursor, bool heldLastFrame)
{
    using platform::Key;
    int direction = 0;
    if (joystickExists()) {
        platform::JoystickState state;
        if (!readJoystickState(state))
            return false;
        if (state.y > kStickDeadZone || state.x > kStickDeadZone || keyDown(Key::Down))
            direction = 1;
        else if (state.y < -kStickDeadZone || state.x < -kStickDeadZone || keyDown(Key::Up))
            direction = -1;
        else if (keyDown(Key::Right))
            direction = 1;
        else if (keyDown(Key::Left))
            direction = -1;
    } else if (keyDown(Key::Down)) {
        direction = 1;
    } else if (keyDown(Key::Up)) {
        direction = -1;
    }
    if (direction == 0)
        return false;
    if (!heldLastFrame)
        *cursor += direction;
    return true;
}

bool joystickActionDown(const platform::JoystickState& state, int action)
{
    if (action < 0 || action >= kActionCount)
        return false;
    int button = g_actionButton[action];
    return button >= 0 && button < 8 && (state.buttons[button] & 0x80) != 0;
}

bool menuConfirmDown()
{
    if (!joystickExists())
        return keyDown(platform::Key::Z);
    platform::JoystickState state;
    if (!readJoystickState(state))
        return false;
    return joystickActionDown(state, kActionShotA) || joystickActionDown(state, kActionShotB) ||
           keyDown(platform::Key::Z);
}

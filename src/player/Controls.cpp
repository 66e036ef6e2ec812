// Device reading, the craft's poses and movement, and the order of the
// control step.
#include "player/Controls.h"

#include "data/ButtonConfig.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "objects/GameObject.h"
#include "player/Firing.h"
#include "player/PlayerState.h"

namespace {

// Axis values inside the dead zone count as neutral.
int stickValue(int axis) { return axis > kStickDeadZone || axis < -kStickDeadZone ? axis : 0; }

void latchAim()
{
    if (actionDown(kActionFocus) || (g_moveX == 0 && g_moveY == 0))
        return;
    g_aimX = g_moveX;
    g_aimY = g_moveY;
}

void setActionFromKey(int action, platform::Key key)
{
    int button = actionButtonIndex(action);
    if (button >= 0)
        g_buttonDown[button] = keyDown(key) ? 1 : 0;
}

void poseCraft(GameObject& craft)
{
    switch (g_playerState) {
    case 1:
        craft.setCell(0);
        break;
    case 2:
        stepRelease(craft);
        break;
    default:
        // The pose follows the motion on screen, so reversed controls show
        // the pose of the way the craft really goes.
        if (g_moveX == 0)
            craft.setCell(0);
        else if ((g_moveX > 0) == g_controlsNormal)
            craft.setCell(1);
        else
            craft.setCell(2);
        break;
    }
}

void moveRight(GameObject& craft, float s)
{
    float limit = static_cast<float>(640 - craft.width());
    craft.setX(craft.x() + s < limit ? craft.x() + s : limit);
}

void moveLeft(GameObject& craft, float s) { craft.setX(craft.x() - s > -32 ? craft.x() - s : -32); }

void moveDown(GameObject& craft, float s)
{
    float limit = static_cast<float>(490 - craft.height());
    craft.setY(craft.y() + s < limit ? craft.y() + s : limit);
}

void moveUp(GameObject& craft, float s) { craft.setY(craft.y() - s > -10 ? craft.y() - s : -10); }

void moveCraft(GameObject& craft)
{
    float s = craft.speed();
    bool normal = g_controlsNormal;
    if (g_moveX > 0)
        normal ? moveRight(craft, s) : moveLeft(craft, s);
    else if (g_moveX < 0)
        normal ? moveLeft(craft, s) : moveRight(craft, s);
    if (g_moveY > 0)
        normal ? moveDown(craft, s) : moveUp(craft, s);
    else if (g_moveY < 0)
        normal ? moveUp(craft, s) : moveDown(craft, s);
}

}  // namespace

int actionButtonIndex(int action)
{
    if (action < 0 || action >= kActionCount)
        return -1;
    int button = g_actionButton[action];
    return button >= 0 && button < kPhysicalButtons ? button : -1;
}

bool actionDown(int action)
{
    int button = actionButtonIndex(action);
    return button >= 0 && g_buttonDown[button] != 0;
}

void readJoystickControls()
{
    platform::JoystickState state;
    if (!readJoystickState(state))
        return;
    if (stickValue(state.x) != 0 || stickValue(state.y) != 0)
        g_joystickUsed = true;
    g_moveX = stickValue(state.x);
    g_moveY = stickValue(state.y);
    // The focus button still holds last frame's state here.
    latchAim();
    for (int i = 0; i < kPhysicalButtons; ++i) {
        g_buttonDown[i] = (state.buttons[i] & 0x80) ? 1 : 0;
        if (g_buttonDown[i])
            g_joystickUsed = true;
    }
}

void readKeyboardControls()
{
    using platform::Key;
    g_moveY = keyDown(Key::Up) ? -1 : keyDown(Key::Down) ? 1 : 0;
    g_moveX = keyDown(Key::Right) ? 1 : keyDown(Key::Left) ? -1 : 0;
    setActionFromKey(kActionToggle, Key::Space);
    setActionFromKey(kActionFocus, Key::Shift);
    setActionFromKey(kActionSubWeapon, Key::Ctrl);
    setActionFromKey(kActionShotA, Key::Z);
    setActionFromKey(kActionShotB, Key::X);
    setActionFromKey(kActionSpecial, Key::C);
    // "A" presses both shots at once; it never releases them.
    if (keyDown(Key::A)) {
        int a = actionButtonIndex(kActionShotA);
        int b = actionButtonIndex(kActionShotB);
        if (a >= 0)
            g_buttonDown[a] = 1;
        if (b >= 0)
            g_buttonDown[b] = 1;
    }
}

void controlPlayer()
{
    if (!g_playerObject)
        return;
    GameObject& craft = *g_playerObject;
    poseCraft(craft);
    moveCraft(craft);
    latchAim();
    fireSpecial(craft);
    holdFocus(craft);
    useSubWeapon(craft);
    useToggle(craft);
    useShotButtons(craft);
}

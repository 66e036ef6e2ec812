// The button configuration screen: its controls, the reassignment and its frame.
#include "scenes/ButtonConfigScene.h"

#include <algorithm>

#include "app/FrameClock.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "player/PlayerState.h"
#include "scenes/TitleMenu.h"
#include "sound/Sound.h"

int32_t g_configRow = 0;
int32_t g_configButton = kNoButtonPressed;
ConfigLatches g_configLatches;

namespace {

constexpr int kSoundMove = 5;
constexpr int kSoundConfirm = 6;
constexpr int kHighlightAlpha = 255;
constexpr int kDimAlpha = 127;

platform::Texture* effectSheet(int index) { return textureSetEntry(g_texEffect, g_texEffectCount, index); }

int rowAlpha(int row) { return row == g_configRow ? kHighlightAlpha : kDimAlpha; }

// direction is +1, -1 or 0; with wrap the row goes round from the exit row to
// the first and back, otherwise it stops at the ends.
void moveRow(int32_t& row, int direction, bool wrap)
{
    if (direction != 0 && !g_configLatches.move) {
        row += direction;
        if (wrap)
            row = row > kConfigExitRow ? 0 : row < 0 ? kConfigExitRow : row;
        else
            row = std::clamp(row, 0, kConfigExitRow);
        playSound(kSoundMove);
    }
    g_configLatches.move = direction != 0;
}

void pressed(bool down, int32_t& button, int32_t value)
{
    if (!down) {
        button = kNoButtonPressed;
        g_configLatches.press = false;
        return;
    }
    if (!g_configLatches.press) {
        button = value;
        playSound(kSoundConfirm);
    }
    g_configLatches.press = true;
}

// Back to the title with its cursor on the first entry. The title cursor lives
// in a hold counter, and the buttons may have changed roles here, so every
// counter starts again from 0.
void leaveConfiguration()
{
    g_scene = kSceneTitle;
    for (int& held : g_buttonHeld)
        held = 0;
    titleCursor() = 0;
    g_titleChoice = 0;
    g_configRow = 0;
    writeButtonConfig();
}

// Acts once per press. The latch follows the input's press latch rather than
// the result, so a frame on which the joystick cannot be read does not let a
// held button act a second time.
void actOnPress(bool pressHeld)
{
    const bool fresh = pressHeld && !g_configLatches.action;
    g_configLatches.action = g_configLatches.press;
    if (!fresh)
        return;
    if (g_configRow == kConfigExitRow) {
        leaveConfiguration();
        return;
    }
    int buttons[kActionCount];
    std::copy(g_actionButton, g_actionButton + kActionCount, buttons);
    assignButton(buttons, g_configRow, g_configButton);
    std::copy(buttons, buttons + kActionCount, g_actionButton);
}

void drawConfiguration()
{
    // The digits 0-7 in a strip along the bottom of the first sheet.
    for (int row = 0; row < kActionCount; ++row) {
        const int button = std::clamp(g_actionButton[row], 0, kPhysicalButtons - 1);
        drawSpriteFaded(effectSheet(0), 384, float(112 + 32 * row), 16, 16, button * 0.0625f, 0.0625f,
                        0.9375f, 0.0625f, rowAlpha(row));
    }
    // Two columns of three captions on the menu sheet.
    for (int row = 0; row < kActionCount; ++row) {
        const int column = row / 3;
        const int line = row % 3;
        drawSpriteFaded(effectSheet(4), 192, float(112 + 32 * line + 96 * column), 128, 32, 0.5f + 0.25f * column,
                        0.25f, 0.75f + 0.0625f * line, 0.0625f, rowAlpha(row));
    }
    drawSpriteFaded(effectSheet(4), 256, 384, 128, 32, 0.5f, 0.25f, 0.9375f, 0.0625f, rowAlpha(kConfigExitRow));
}

}  // namespace

void assignButton(int buttons[kActionCount], int row, int button)
{
    if (row < 0 || row >= kActionCount || button < 0 || button >= kPhysicalButtons)
        return;
    for (int other = 0; other < kActionCount; ++other) {
        if (buttons[other] == button) {
            buttons[other] = buttons[row];
            break;
        }
    }
    buttons[row] = button;
}

bool buttonConfigInput(int32_t& row, int32_t& button)
{
    using platform::Key;
    if (!joystickExists()) {
        // Only the exit can be chosen from the keyboard: "Z" presses no button.
        const int direction = keyDown(Key::Down) ? 1 : keyDown(Key::Up) ? -1 : 0;
        moveRow(row, direction, false);
        pressed(keyDown(Key::Z), button, kNoButtonPressed);
        return g_configLatches.press;
    }
    platform::JoystickState state;
    if (!readJoystickState(state))
        return false;
    int direction = 0;
    if (state.y > kStickDeadZone || state.x > kStickDeadZone || keyDown(Key::Down))
        direction = 1;
    else if (state.y < -kStickDeadZone || state.x < -kStickDeadZone || keyDown(Key::Up))
        direction = -1;
    moveRow(row, direction, true);

    int first = kNoButtonPressed;
    for (int b = 0; b < kPhysicalButtons; ++b) {
        if ((state.buttons[b] & 0x80) != 0) {
            first = b;
            break;
        }
    }
    pressed(first != kNoButtonPressed, button, first);
    return button != kNoButtonPressed;
}

void buttonConfigScene()
{
    beginSceneFrame();
    setModulateStage();
    setNormalBlend();
    enableAlphaBlend();
    actOnPress(buttonConfigInput(g_configRow, g_configButton));
    drawConfiguration();
    endSceneFrame();
}

void resetButtonConfigScene()
{
    g_configRow = 0;
    g_configButton = kNoButtonPressed;
    g_configLatches = ConfigLatches{};
}

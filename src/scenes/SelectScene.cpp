// The selection screen: its controls, its two phases and its frame.
#include "scenes/SelectScene.h"

#include <algorithm>

#include "data/ButtonConfig.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "hud/Hud.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "scenes/SelectDemo.h"
#include "scenes/StageStart.h"
#include "sound/Sound.h"

int32_t g_selectCursor = 0;
bool g_selectConfirm = false;
int32_t g_selectLastCursor = 0;
bool g_previewRunning = false;
bool g_texturesTrimmed = false;
SelectScreenState g_selectScreen;

namespace {

constexpr int kSoundMove = 5;
constexpr int kSoundConfirm = 6;

platform::Texture* selectSheet(int index) { return textureSetEntry(g_texSelect, g_texSelectCount, index); }

// The moving grid of the backdrop: two horizontal and two vertical lines.
void drawBackgroundLines()
{
    SelectScreenState& s = g_selectScreen;
    platform::Texture* line = selectSheet(3);
    drawSprite(line, 0, float(s.lineY), 640, 2, 0.5f, 0.5f, 0.5f, 0.5f);
    drawSprite(line, 0, float(480 - s.lineY), 640, 2, 0.5f, 0.5f, 0.5f, 0.5f);
    s.lineY = (s.lineY + 2) % 480;
    drawSprite(line, float(s.lineX), 0, 2, 480, 0.5f, 0.5f, 0.5f, 0.5f);
    drawSprite(line, float(640 - s.lineX), 0, 2, 480, 0.5f, 0.5f, 0.5f, 0.5f);
    s.lineX = (s.lineX + 3) % 640;
}

void advanceRow(int character)
{
    SelectScreenState& s = g_selectScreen;
    if (++s.rowCounter[character] < 4)
        return;
    s.rowCounter[character] = 0;
    s.row[character] = (s.row[character] + 1) % 4;
}

// A character's craft in its animated row, from the first picture of its sheet.
void drawCraft(int character, float x, float y)
{
    platform::Texture* sheet = character == 1 ? textureSetEntry(g_texPlayer2, g_texPlayer2Count, 0)
                                              : textureSetEntry(g_texPlayer, g_texPlayerCount, 0);
    drawSprite(sheet, x, y, 64, 64, 0, 0.25f, g_selectScreen.row[character] * 0.25f, 0.25f);
}

void characterPhase()
{
    g_selectCursor = std::clamp(g_selectCursor, 0, 1);
    const int highlighted = g_selectCursor;
    drawSprite(selectSheet(highlighted), 96, 0, 512, 512, 0, 1, 0, 1);
    drawSelectionFrame(selectSheet(2), 20, highlighted == 0 ? 64 : 315);
    advanceRow(highlighted);
    if (g_selectConfirm) {
        chooseCharacter(highlighted);
        g_selectConfirm = false;
        g_selectCursor = 0;
    }
    drawCraft(0, 20, 88);
    drawCraft(1, 20, 328);
}

void drawIcon(platform::Texture** sheet, int count, int index, int slot, float du)
{
    drawSprite(textureSetEntry(sheet, count, index), 128, float(32 + 120 * slot), 64, 64, 0, du, 0, 1);
}

void drawSubWeaponChoices(int character)
{
    drawCraft(character, 20, 208);
    if (character == 1) {
        drawIcon(g_texShot2, g_texShot2Count, 1, 0, 1);
        drawIcon(g_texShot2, g_texShot2Count, 2, 1, 1);
        drawIcon(g_texShot2, g_texShot2Count, 0, 2, 1);
        drawIcon(g_texShot2, g_texShot2Count, 3, 3, 0.25f);
    } else {
        for (int slot = 0; slot < 4; ++slot)
            drawIcon(g_texShot1, g_texShot1Count, slot + 2, slot, 1);
    }
    drawSelectionFrame(selectSheet(2), 128, float(16 + 120 * g_selectCursor));
}

void subWeaponPhase()
{
    g_selectCursor = std::clamp(g_selectCursor, 0, kSubWeaponEntries - 1);
    const int character = g_character;
    drawSubWeaponChoices(character);
    if (!g_previewRunning) {
        g_previewRunning = true;
        startDemonstration(character, g_selectCursor);
    }
    advanceRow(character);
    trimSelectionTextures(character);

    runDemonstration();
    if (g_selectCursor != g_selectLastCursor) {
        g_selectLastCursor = g_selectCursor;
        emptyList(&g_shotList);
        emptyList(&g_effectFrontList);
    }
    if (g_selectConfirm) {
        const int entry = g_selectCursor;
        // Consumed here as on the character confirm, or the next game's
        // selection would find it still set and choose a character by itself.
        g_selectConfirm = false;
        g_selectCursor = 0;
        confirmLoadout(entry);
    }
}

}  // namespace

void selectInput(int32_t& cursor, bool& confirm)
{
    using platform::Key;
    int direction = 0;
    bool confirmDown = false;
    if (joystickExists()) {
        platform::JoystickState state;
        if (!readJoystickState(state))
            return;
        if (state.y > kStickDeadZone || state.x > kStickDeadZone || keyDown(Key::Down))
            direction = 1;
        else if (state.y < -kStickDeadZone || state.x < -kStickDeadZone || keyDown(Key::Up))
            direction = -1;
        confirmDown = joystickActionDown(state, kActionShotA) ||
                      joystickActionDown(state, kActionShotB) || keyDown(Key::Z);
    } else {
        if (keyDown(Key::Down))
            direction = 1;
        else if (keyDown(Key::Up))
            direction = -1;
        confirmDown = keyDown(Key::Z);
    }

    SelectScreenState& s = g_selectScreen;
    // The scene clamps the cursor, so a press past either end still sounds.
    if (direction != 0 && !s.moveLatch) {
        cursor += direction;
        playSound(kSoundMove);
    }
    s.moveLatch = direction != 0;

    if (!confirmDown) {
        confirm = false;
        s.confirmLatch = false;
        return;
    }
    if (!confirm && !s.confirmLatch) {
        confirm = true;
        playSound(kSoundConfirm);
    }
    s.confirmLatch = true;
}

void drawSelectionFrame(const platform::Texture* texture, float x, float y)
{
    SelectScreenState& s = g_selectScreen;
    setNormalBlend();
    drawSpriteFaded(texture, x, y, 64, 32, 0, 1, 0, 0.5f, s.frameAlpha);
    drawSpriteFaded(texture, x, y + 64, 64, 32, 0, 1, 0.5f, 0.5f, s.frameAlpha);
    s.frameAlpha += s.frameRising ? 3 : -3;
    if (s.frameAlpha > 252)
        s.frameRising = false;
    else if (s.frameAlpha <= 128)
        s.frameRising = true;
}

void selectScene()
{
    selectInput(g_selectCursor, g_selectConfirm);
    beginSceneFrame();
    setModulateStage();
    setNormalBlend();
    enableAlphaBlend();
    drawBackgroundLines();
    if (g_character == 0 || g_character == 1)
        subWeaponPhase();
    else
        characterPhase();
    drawFpsCounter();
    endSceneFrame();
}

void resetSelectScreen()
{
    g_selectCursor = 0;
    g_selectConfirm = false;
    g_selectLastCursor = 0;
    g_previewRunning = false;
    g_texturesTrimmed = false;
    g_selectScreen = SelectScreenState{};
}

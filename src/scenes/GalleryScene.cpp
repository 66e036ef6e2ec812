// The gallery screen: its controls, the grid and the full-screen view.
#include "scenes/GalleryScene.h"

#include "app/FrameClock.h"
#include "data/Progress.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "player/PlayerState.h"
#include "scenes/TitleMenu.h"
#include "sound/Sound.h"

int32_t g_galleryState = kGalleryUnset;
int32_t g_galleryColumn = 0;
int32_t g_galleryRow = 0;
GalleryLatches g_galleryLatches;

namespace {

constexpr int kSoundMove = 5;
constexpr int kSoundConfirm = 6;
constexpr int kHighlightAlpha = 255;
constexpr int kDimAlpha = 127;
constexpr int kFirstPicture = 2;  // picture k is gallery texture 2 + k
constexpr int kPlaceholder = 10;
// The pictures fill 480 of their 512 texel rows.
constexpr float kPictureV = 0.9375f;

platform::Texture* galleryTexture(int index) { return textureSetEntry(g_texGallery, g_texGalleryCount, index); }

// Adds direction to value on the first frame of a press, wrapping within 0 to
// count - 1; latch remembers that the direction is held.
void step(int32_t& value, int direction, int count, bool& latch)
{
    if (direction != 0 && !latch) {
        value = ((value + direction) % count + count) % count;
        playSound(kSoundMove);
    }
    latch = direction != 0;
}

bool anyButtonDown(const platform::JoystickState& state)
{
    for (int button = 0; button < kPhysicalButtons; ++button)
        if ((state.buttons[button] & 0x80) != 0)
            return true;
    return false;
}

void leaveGallery()
{
    g_scene = kSceneTitle;
    titleCursor() = 0;
    g_titleChoice = 0;
    g_galleryColumn = 0;
    g_galleryRow = 0;
    g_galleryState = kGalleryUnset;
    freeTextureSet(g_texGallery, g_texGalleryCount);
}

// The latch follows the input's own confirm latch, so a frame on which the
// joystick cannot be read does not count as a release.
void actOnConfirm(bool confirmHeld)
{
    const bool fresh = confirmHeld && !g_galleryLatches.action;
    g_galleryLatches.action = g_galleryLatches.confirm;
    if (!fresh)
        return;
    if (g_galleryRow == kGalleryExitRow)
        leaveGallery();
    else
        g_galleryState = g_galleryState == kGalleryGrid ? kGalleryFullScreen : kGalleryGrid;
}

void drawExitCaption(int alpha)
{
    drawSpriteFaded(textureSetEntry(g_texEffect, g_texEffectCount, 4), 256, 384, 128, 32, 0.5f, 0.25f,
                    0.9375f, 0.0625f, alpha);
}

void drawGrid()
{
    for (int row = 0; row < kGalleryPictureRows; ++row) {
        for (int column = 0; column < kGalleryColumns; ++column) {
            const float x = float(112 + 112 * column);
            const float y = float(80 + 152 * row);
            const bool highlighted = row == g_galleryRow && column == g_galleryColumn;
            const int alpha = highlighted ? kHighlightAlpha : kDimAlpha;
            if (galleryPictureUnlocked(column, row)) {
                const int picture = kGalleryColumns * row + column;
                drawSpriteFaded(galleryTexture(kFirstPicture + picture), x, y, 64, 60, 0, 1, 0, kPictureV, alpha);
                drawSpriteFaded(galleryTexture(row), x + 64, y, 16, 60, 0.25f * column, 0.25f, 0, kPictureV,
                                alpha);
            } else {
                drawSpriteFaded(galleryTexture(kPlaceholder), x, y, 80, 60, 0, 1, 0, kPictureV, alpha);
            }
        }
    }
    drawExitCaption(g_galleryRow == kGalleryExitRow ? kHighlightAlpha : kDimAlpha);
}

void drawFullScreen()
{
    const int32_t row = g_galleryRow;
    const int32_t column = g_galleryColumn;
    if (galleryPictureUnlocked(column, row)) {
        drawSprite(galleryTexture(kFirstPicture + kGalleryColumns * row + column), 0, 0, 512, 480, 0, 1, 0,
                   kPictureV);
        drawSprite(galleryTexture(row), 512, 0, 128, 480, 0.25f * column, 0.25f, 0, kPictureV);
    } else {
        drawSprite(galleryTexture(kPlaceholder), 0, 0, 640, 480, 0, 1, 0, 1);
    }
}

}  // namespace

bool galleryPictureUnlocked(int32_t column, int32_t row)
{
    if (column < 0 || column >= kGalleryColumns || row < 0 || row >= kGalleryPictureRows)
        return false;
    return g_unlockFlags[kGalleryColumns * row + column] == 1;
}

bool galleryInput(int32_t& column, int32_t& row, int32_t state)
{
    using platform::Key;
    int vertical = 0;
    int horizontal = 0;
    bool confirmDown = false;
    if (joystickExists()) {
        platform::JoystickState joystick;
        if (!readJoystickState(joystick))
            return false;
        vertical = joystick.y > kStickDeadZone || keyDown(Key::Down)  ? 1
                   : joystick.y < -kStickDeadZone || keyDown(Key::Up) ? -1
                                                                       : 0;
        horizontal = joystick.x > kStickDeadZone || keyDown(Key::Right)  ? 1
                     : joystick.x < -kStickDeadZone || keyDown(Key::Left) ? -1
                                                                           : 0;
        confirmDown = anyButtonDown(joystick);
    } else {
        vertical = keyDown(Key::Down) ? 1 : keyDown(Key::Up) ? -1 : 0;
        horizontal = keyDown(Key::Right) ? 1 : keyDown(Key::Left) ? -1 : 0;
        confirmDown = keyDown(Key::Z);
    }
    // The exit row belongs to the grid; the full-screen view pages through
    // the two rows of pictures only.
    const int rows = state == kGalleryFullScreen ? kGalleryPictureRows : kGalleryPictureRows + 1;
    step(row, vertical, rows, g_galleryLatches.vertical);
    step(column, horizontal, kGalleryColumns, g_galleryLatches.horizontal);

    if (confirmDown && !g_galleryLatches.confirm)
        playSound(kSoundConfirm);
    g_galleryLatches.confirm = confirmDown;
    return confirmDown;
}

void galleryScene()
{
    beginSceneFrame();
    setModulateStage();
    setNormalBlend();
    enableAlphaBlend();
    if (g_galleryState == kGalleryUnset) {
        loadGalleryTextureSet();
        g_galleryState = kGalleryGrid;
        g_galleryLatches.confirm = true;
        g_galleryLatches.action = true;
    }
    actOnConfirm(galleryInput(g_galleryColumn, g_galleryRow, g_galleryState));
    if (g_galleryState == kGalleryGrid)
        drawGrid();
    else if (g_galleryState == kGalleryFullScreen)
        drawFullScreen();
    endSceneFrame();
}

void resetGalleryScene()
{
    g_galleryState = kGalleryUnset;
    g_galleryColumn = 0;
    g_galleryRow = 0;
    g_galleryLatches = GalleryLatches{};
}

// The in-game menu: its cursor, its confirm and its pictures.
#include "player/ContinueMenu.h"

#include <cstdint>

#include "app/PlayFlags.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "input/MenuInput.h"
#include "player/Player.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"

namespace {

int32_t g_menuCursor = 0;
bool g_menuCursorHeld = false;
// Starts set: a shot button still held when the menu opens (the game-over
// screen or a pause in the middle of firing) must be let go before it can
// confirm, or the held fire button would restart the stage at once.
bool g_menuConfirmHeld = true;

struct MenuPicture {
    float left, top, width, height;
    float u, v, du, dv;
};
constexpr MenuPicture kHeading = {192, 160, 256, 128, 0, 0.3125f, 0.5f, 0.25f};
constexpr MenuPicture kEntries[3] = {
    {256, 176, 128, 32, 0.25f, 0.625f, 0.25f, 0.0625f},
    {256, 208, 128, 32, 0.25f, 0.5625f, 0.25f, 0.0625f},
    {256, 240, 128, 32, 0, 0.625f, 0.25f, 0.0625f},
};

void drawPicture(const MenuPicture& p, float shift, int32_t alpha)
{
    uint32_t argb = (static_cast<uint32_t>(alpha) & 0xFF) << 24 | 0xFFFFFF;
    platform::Vertex quad[4];
    axisQuad(quad, p.left - 0.5f, p.top + shift - 0.5f, p.width, p.height, argb, p.u, p.du, p.v,
             p.dv);
    drawQuad(quad);
}

void drawMenu(int entries)
{
    enableAlphaBlend();
    setNormalBlend();
    setPointMagFilter();
    bindTexture(g_texFront && g_texFrontCount > 1 ? g_texFront[1] : nullptr);
    // The game-over menu has two entries, set lower on the panel.
    float shift = entries == 2 ? 16.0f : 0.0f;
    drawPicture(kHeading, 0, 255);
    for (int i = 0; i < entries; ++i)
        drawPicture(kEntries[i], i < 2 ? shift : 0, i == g_menuCursor ? 255 : 80);
}

void confirm()
{
    g_menuOpen = false;
    g_gameOver = false;
    g_scriptWaitFlag = false;
    g_playerFrozen = false;
    g_worldFrozen = false;
    switch (g_menuCursor) {
    case 0:
        restartStage();
        break;
    case 1:
        stopAllSound();
        g_returnToTitle = true;
        break;
    default:
        break;
    }
    g_menuCursor = 0;
}

}  // namespace

void continueMenu()
{
    int entries = g_gameOver ? 2 : 3;
    g_menuCursorHeld = menuCursorStep(&g_menuCursor, g_menuCursorHeld);
    if (g_menuCursor < 0)
        g_menuCursor = entries - 1;
    else if (g_menuCursor >= entries)
        g_menuCursor = 0;
    bool confirmDown = menuConfirmDown();
    if (confirmDown && !g_menuConfirmHeld)
        confirm();
    g_menuConfirmHeld = confirmDown;
    drawMenu(entries);
}

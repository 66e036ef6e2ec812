// The conversation on screen: each speaker's window (the finished part of its
// text texture) and both portraits.
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "text/Conversation.h"

namespace {

constexpr int kPortraitCells = 16;
// The text textures' top 160 rows hold a page.
constexpr float kWindowV = 0.3125f;

void drawPortrait(int speaker, float x, float y)
{
    const int cell = g_portrait[speaker];
    if (cell < 0 || cell >= kPortraitCells)
        return;
    drawSprite(textureSetEntry(g_texFontWindow, g_texFontWindowCount, speaker), x, y, 128, 128,
               (cell % 4) * 0.25f, 0.25f, (cell / 4) * 0.25f, 0.25f);
}

}  // namespace

void drawConversation()
{
    enableAlphaBlend();
    setNormalBlend();
    setPointMagFilter();
    if (g_windowShown[0])
        drawSprite(g_textTextures[0], 127.5f, 19.5f, 512, 160, 0, 1, 0, kWindowV);
    if (g_windowShown[1])
        drawSprite(g_textTextures[1], 0, 300, 512, 160, 0, 1, 0, kWindowV);
    drawPortrait(0, 0, 36);
    drawPortrait(1, 512, 316);
}

// The background moves 4 pixels a step and repeats every 161 steps (offsets
// 0, 4, ..., 640; the steps at 640 and 0 show the same image). Its state is
// kept across stages and restarts.
#include "graphics/Background.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"

int32_t g_backAlpha = 255;
int32_t g_backScroll = 0;
float g_backScrollU = 0;

void drawBackground()
{
    setNormalBlend();
    setPointMagFilter();
    if (!g_playerFrozen) {
        if (g_backAlpha < 255)
            g_backAlpha += 1;
    } else if (g_backAlpha > 100) {
        g_backAlpha -= 1;
    }
    uint32_t colour = static_cast<uint32_t>(g_backAlpha) << 24 | 0xFFFFFF;
    const platform::Texture* picture =
        g_stageIndex >= 0 && g_stageIndex < g_texBackCount ? g_texBack[g_stageIndex] : nullptr;
    bindTexture(picture);

    float s = static_cast<float>(g_backScroll);
    float t = g_backScrollU;
    platform::Vertex left[4] = {
        spriteVertex(0, 0, colour, t, 0), spriteVertex(640 - s, 0, colour, 1, 0),
        spriteVertex(640 - s, 480, colour, 1, 1), spriteVertex(0, 480, colour, t, 1)};
    drawQuad(left);
    platform::Vertex right[4] = {
        spriteVertex(640 - s, 0, colour, 0, 0), spriteVertex(640, 0, colour, t, 0),
        spriteVertex(640, 480, colour, t, 1), spriteVertex(640 - s, 480, colour, 0, 1)};
    drawQuad(right);

    if (g_backScroll < 640) {
        g_backScroll += 4;
        g_backScrollU += 0.00625f;
    } else {
        g_backScroll = 0;
        g_backScrollU = 0;
    }
}

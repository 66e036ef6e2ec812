// Numbers on the HUD: the score, the steps-per-second counter, the tall digits
// and the stage-results panel built from them.
#include "app/FrameClock.h"
#include "collision/Destruction.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "hud/Hud.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

using platform::Vertex;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
// The digit strip: ten cells of 8 texels from u 0.25, rows 0.5625..0.625.
constexpr float kDigitU = 0.25f;
constexpr float kDigitDu = 0.03125f;
constexpr float kDigitV = 0.5625f;
constexpr float kDigitDv = 0.0625f;

void piece(float x, float y, float w, float h, float u, float du, float v, float dv)
{
    Vertex quad[4];
    axisQuad(quad, x, y, w, h, kWhite, u, du, v, dv);
    drawQuad(quad);
}

int32_t powerOfTen(int exponent)
{
    int32_t p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

// Most significant digit first, leading zeros drawn. A value wider than the
// places shows its excess in the first digit, clamped to the strip's ten cells.
void drawDigits(int32_t value, float x, float y, float height, int digits)
{
    for (int i = 0; i < digits; ++i) {
        int32_t place = powerOfTen(digits - 1 - i);
        int32_t d = value / place;
        value %= place;
        if (d < 0)
            d = 0;
        if (d > 9)
            d = 9;
        piece(x + 8 * i, y, 8, height, d * kDigitDu + kDigitU, kDigitDu, kDigitV, kDigitDv);
    }
}

int32_t lifePercent()
{
    return g_playerObject ? static_cast<int32_t>(g_playerObject->hpRatio() * 100) : 0;
}

}  // namespace

void drawScore(int32_t value)
{
    bindTexture(hudTexture());
    setNormalBlend();
    setPointMagFilter();
    drawDigits(value, 168, 0, 16, 8);
}

void drawFpsCounter()
{
    enableAlphaBlend();
    bindTexture(g_texEffectCount > 0 ? g_texEffect[0] : nullptr);
    const int32_t digits[2] = {g_fpsTens, g_fpsOnes};
    for (int i = 0; i < 2; ++i)
        piece(304.0f + 16 * i, 8, 16, 16, digits[i] * 0.0625f, 0.0625f, 0.9375f, 0.0625f);
}

void drawNumber(int32_t value, float x, float y, int digits)
{
    bindTexture(hudTexture());
    setNormalBlend();
    setPointMagFilter();
    drawDigits(value, x, y, 32, digits);
}

void drawStageResults()
{
    enableAlphaBlend();
    bindTexture(hudTexture());
    setNormalBlend();
    setPointMagFilter();
    int32_t life = lifePercent();
    piece(64, 64, 512, 64, 0.0f, 1.0f, 0.875f, 0.125f);
    piece(128, 160, 48, 32, 0.25f, 0.1875f, 0.625f, 0.0625f);
    piece(128, 256, 80, 32, 0.25f, 0.3125f, 0.6875f, 0.0625f);
    piece(128, 352, 96, 32, 0.25f, 0.375f, 0.75f, 0.0625f);
    drawNumber(g_itemsCollected, 288, 160, 4);
    drawNumber(life, 288, 256, 3);
    drawNumber(g_bankedScore, 288, 352, 8);
    piece(352, 160, 16, 32, 0.5f, 0.0625f, 0.625f, 0.0625f);
    piece(352, 256, 16, 32, 0.5f, 0.0625f, 0.625f, 0.0625f);
    drawNumber(100, 384, 160, 3);
    drawNumber(200, 384, 256, 3);
    piece(448, 160, 16, 32, 0.5625f, 0.0625f, 0.625f, 0.0625f);
    piece(448, 256, 16, 32, 0.5625f, 0.0625f, 0.625f, 0.0625f);
    drawNumber(g_itemsCollected * 100, 480, 160, 6);
    drawNumber(life * 200, 480, 256, 6);
}

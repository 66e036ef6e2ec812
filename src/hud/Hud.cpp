// The in-game HUD passes: the two charge bars with their label, and the life
// bars, energy gauge and character icon.
#include "hud/Hud.h"

#include "data/ButtonConfig.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "player/PlayerState.h"

using platform::Vertex;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

int s_gaugeBlinkPhase = 0;
int s_gaugeBlinkCounter = 0;
int s_refillCounter = 0;

bool isBossKind(int32_t kind)
{
    return kind == 1 || kind == 7 || kind == 8 || kind == 9 || kind == 10 || kind == 17;
}

const GameObject* firstBoss()
{
    for (const GameObject* e = g_enemyList; e; e = e->next)
        if (isBossKind(e->kind()))
            return e;
    return nullptr;
}

void piece(float x, float y, float w, float h, float u, float du, float v, float dv)
{
    Vertex quad[4];
    axisQuad(quad, x, y, w, h, kWhite, u, du, v, dv);
    drawQuad(quad);
}

// The status bars sit half a pixel up and left, as the effects do.
void offsetPiece(float x, float y, float w, float h, float u, float du, float v, float dv)
{
    piece(x - 0.5f, y - 0.5f, w, h, u, du, v, dv);
}

bool isFull(int button)
{
    return g_buttonHeld[button] == g_chargeFrames[button];
}

void drawChargeLabel(int a, int b)
{
    bool highlighted = g_chargeBlink[a] == 4 || g_chargeBlink[b] == 4;
    if (g_playerState == 1)
        piece(0, 448, 128, 32, 0.5f, 0.5f, highlighted ? 0.375f : 0.25f, 0.125f);
    else if (highlighted)
        piece(0, 448, 64, 32, 0.0f, 0.25f, 0.375f, 0.125f);
    else
        piece(0, 448, 64, 32, 0.0f, 0.25f, isFull(a) ? 0.125f : 0.25f, 0.125f);
}

void refillGauge()
{
    if (g_gaugeMax > g_gauge) {
        if (s_refillCounter == 2) {
            g_gauge += 1.0f;
            s_refillCounter = 0;
        } else {
            ++s_refillCounter;
        }
        if (g_gauge > g_gaugeMax)
            g_gauge = g_gaugeMax;
    }
}

}  // namespace

platform::Texture* hudTexture()
{
    return g_texPowerCount > 0 ? g_texPower[0] : nullptr;
}

void resetHudCounters()
{
    s_gaugeBlinkPhase = 0;
    s_gaugeBlinkCounter = 0;
    s_refillCounter = 0;
}

void drawChargeGauges()
{
    int a = g_actionButton[kActionShotA];
    int b = g_actionButton[kActionShotB];
    if (a < 0 || a >= kPhysicalButtons || b < 0 || b >= kPhysicalButtons)
        return;
    enableAlphaBlend();
    setNormalBlend();
    bindTexture(hudTexture());

    bool labelShown = isFull(a) || isFull(b);
    if (labelShown)
        enterDoubleCharge();

    piece(0, 448, 128, 32, 0.0f, 0.5f, 0.0f, 0.125f);
    if (g_playerState == 0) {
        float widthA = static_cast<float>(g_buttonHeld[a] + 36);
        float widthB = static_cast<float>(g_buttonHeld[b] + 36);
        piece(0, 448, widthA, 16, 0.5f, widthA / 256, g_chargeBlink[a] == 4 ? 0.125f : 0.0f, 0.0625f);
        piece(0, 464, widthB, 16, 0.5f, widthB / 256, g_chargeBlink[b] == 4 ? 0.1875f : 0.0625f,
              0.0625f);
    }
    if (labelShown)
        drawChargeLabel(a, b);
}

void drawStatusBars()
{
    const GameObject* boss = firstBoss();
    enableAlphaBlend();
    bindTexture(hudTexture());

    setGlowBlend();
    setLinearMagFilter();
    offsetPiece(304, 0, 32, 32, 0.75f, 0.1875f, 0.5f, 0.1875f);

    setNormalBlend();
    setPointMagFilter();
    float r = g_playerObject ? g_playerObject->hpRatio() : 0.0f;
    offsetPiece(32, 0, 128, 8, 0.0f, 0.5f, 0.5f, 0.03125f);
    offsetPiece(32 + r * 128, 0, static_cast<float>(static_cast<int32_t>((1 - r) * 128)), 8, 0.0f,
                0.5f, 0.53125f, 0.03125f);
    if (boss) {
        offsetPiece(344, 0, 296, 8, 0.0f, 0.5f, 0.5f, 0.03125f);
        offsetPiece(344, 0, (1 - boss->hpRatio()) * 296, 8, 0.0f, 0.5f, 0.53125f, 0.03125f);
    }

    setFlatCubicMagFilter();
    drawSpriteFaded(hudTexture(), 34, 12, 64, 4, 0.0f, 0.25f, 0.59375f, 0.015625f, 255);
    float g = g_gaugeMax != 0 ? g_gauge / g_gaugeMax : 0.0f;
    int phase = 0;
    if (g > 0.7f) {
        phase = s_gaugeBlinkPhase;
        if (s_gaugeBlinkCounter == 6) {
            s_gaugeBlinkCounter = 0;
            s_gaugeBlinkPhase ^= 1;
        } else {
            ++s_gaugeBlinkCounter;
        }
    }
    drawSpriteFaded(hudTexture(), 34, 12, g * 64, 4, 0.0f, g * 0.25f, 0.5625f + phase * 0.015625f,
                    0.015625f, 255);
    drawSpriteFaded(hudTexture(), 0, 0, 32, 32, g_character * 0.125f, 0.125f, 0.609375f,
                    0.125f, 255);

    refillGauge();
}

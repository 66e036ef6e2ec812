// The two close-range sub-weapons of the first character: the sword sweep
// that cuts bullets along its blade, and the boomerang with its ghost trail.
#include <cmath>

#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/ShotRules.h"
#include "sound/Sound.h"

SwordState g_swordState;
BoomerangTrail g_boomerangTrail;

namespace {

constexpr int32_t kSwordEnd = 309;
constexpr int32_t kFadeFrames = 6;
constexpr int32_t kFadeStages = 5;
constexpr float kBoomerangTurnBack = -228;

float tableCos(int32_t degrees) { return g_cosTable[((degrees % 360) + 360) % 360]; }
float tableSin(int32_t degrees) { return g_sinTable[((degrees % 360) + 360) % 360]; }

// A 64 x 64 square hinged at its first corner, turned to t degrees.
void hingedSquare(platform::Vertex quad[4], float x0, float y0, int32_t t, int32_t alpha)
{
    uint32_t argb = (static_cast<uint32_t>(alpha) & 0xFF) << 24 | 0xFFFFFF;
    float x = x0;
    float y = y0;
    static constexpr float kU[4] = {0, 1, 1, 0};
    static constexpr float kV[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        quad[i] = spriteVertex(x, y, argb, kU[i], kV[i]);
        x += 64 * tableCos(t + 90 * i);
        y += 64 * tableSin(t + 90 * i);
    }
}

void drawSword(const GameObject& craft)
{
    const SwordState& s = g_swordState;
    float x0 = craft.x() + 60;
    float y0 = craft.y() + 30;
    bindTexture(shotSheetA(3));
    setAdditiveBlend();
    setModulateStage();
    platform::Vertex quad[4];
    for (int32_t j = 0; j <= kFadeStages - s.fadeStage; ++j) {
        hingedSquare(quad, x0, y0, s.sweep + (j + s.fadeStage) * 10, 10 + 30 * j);
        drawQuad(quad);
    }
    setNormalBlend();
    hingedSquare(quad, x0, y0, s.sweep + 60, 230);
    drawQuad(quad);
}

void advanceSword()
{
    SwordState& s = g_swordState;
    if (s.sweep <= kSwordEnd) {
        s.sweep += 10;
        return;
    }
    if (s.fadeFrame < kFadeFrames) {
        ++s.fadeFrame;
        return;
    }
    s.fadeFrame = 0;
    if (s.fadeStage > kFadeStages) {
        g_subWeaponBusy[1] = false;
        s.fadeStage = 0;
        s.sweep = 180;
        return;
    }
    ++s.fadeStage;
}

void swordStep(const GameObject& craft)
{
    drawSword(craft);
    // Bullets are cut only along a 16-point ray from the craft, square to the blade.
    int32_t across = g_swordState.sweep + 90;
    float stepX = tableCos(across) * 8;
    float stepY = tableSin(across) * 8;
    for (GameObject* bullet = g_bulletList; bullet; bullet = bullet->next)
        bullet->sweepTouch(craft, stepX, stepY, 4, 16);
    advanceSword();
}

void drawBoomerang(const GameObject& shot)
{
    BoomerangTrail& trail = g_boomerangTrail;
    bindTexture(shotSheetA(4));
    setAdditiveBlend();
    platform::Vertex quad[4];
    static constexpr float kU[4] = {0, 1, 1, 0};
    static constexpr float kV[4] = {0, 0, 1, 1};
    for (int32_t i = 0; i < trail.fill; ++i) {
        TrailRecord& record = trail.records[i];
        uint32_t argb = (static_cast<uint32_t>(record.alpha) & 0xFF) << 24 | 0xFFFFFF;
        for (int c = 0; c < 4; ++c)
            quad[c] = spriteVertex(record.x[c], record.y[c], argb, kU[c], kV[c]);
        drawQuad(quad);
        record.alpha -= 20;
    }
    setNormalBlend();
    squareAbout(quad, shot.x() + 50, shot.y() + 50, 64, trail.spin, 200);
    drawQuad(quad);
    TrailRecord& newest = trail.records[trail.ringIndex];
    for (int c = 0; c < 4; ++c) {
        newest.x[c] = quad[c].x;
        newest.y[c] = quad[c].y;
    }
    newest.alpha = 150;
    trail.ringIndex = (trail.ringIndex + 1) % kBoomerangTrailLength;
    if (trail.fill < kBoomerangTrailLength)
        ++trail.fill;
    trail.spin = (trail.spin + 8) % 360;
}

}  // namespace

void updateSword(GameObject& shot)
{
    if (shot.step() == 0) {
        playSound(15);
        shot.setStepOne();
    }
    if (!g_playerObject) {
        shot.kill();
        return;
    }
    // The damage box rides in front of the craft.
    shot.setX(g_playerObject->x() + 30);
    shot.setY(g_playerObject->y() - 40);
    if (g_subWeaponBusy[1])
        swordStep(*g_playerObject);
    else
        shot.kill();
}

void updateBoomerang(GameObject& shot)
{
    shot.setX(shot.x() + shot.speed());
    if (shot.step() % 2 == 0)
        shot.setSpeed(shot.speed() - 1);
    shot.incrementStep();
    if (shot.x() < kBoomerangTurnBack) {
        g_subWeaponBusy[2] = false;
        shot.kill();
    } else {
        drawBoomerang(shot);
    }
    if (!g_subWeaponBusy[2])
        g_boomerangTrail = BoomerangTrail{};
}

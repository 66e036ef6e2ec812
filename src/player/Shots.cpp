// The shot kinds' starting values, spawning, the shot list's pass, the rule
// dispatch with the wall test, and the building blocks the rules share.
#include "player/Shots.h"

#include <cmath>

#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/ShotRules.h"
#include "stage/DrawScreenMap.h"

int g_burstAngle = 0;
int g_rainAngle = 0;

namespace {

enum class Sheet { None, Effect, A, B };

// Where the angle of a new shot comes from when it is not a fixed number.
enum class StartAngle { Fixed, Aim, Burst, Rain };

struct ShotKindRow {
    bool exists;
    float width, height;
    float hitLeft, hitTop, hitRight, hitBottom;
    int32_t hp;
    int32_t power;
    float speed;
    StartAngle angleFrom;
    double angle;
    int32_t alpha;
    Sheet sheet;
    int sheetIndex;
    float uWidth, vHeight, vOrigin;
};

constexpr int kShotKinds = 23;
constexpr int32_t kPiercing = 9999999;
constexpr StartAngle F = StartAngle::Fixed;

// kind: size, hit box, hp, power, speed, angle, alpha, texture (sheet, u-width, v-height, v-origin)
constexpr ShotKindRow kShotKindTable[kShotKinds] = {
    /* 0 */ {true, 16, 16, 0, 0, 16, 16, 1, 10, 15, F, 0, 255, Sheet::Effect, 0, 0.0625f, 0.0625f, 0.4375f},
    /* 1 */ {true, 64, 20, 0, 0, 40, 20, 1, 10, 15, F, 7, 255, Sheet::A, 0, 0.5f, 0.15625f, 0.078125f},
    /* 2 */ {true, 64, 16, 0, 0, 32, 17, kPiercing, 3, 12, F, 7, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.234375f},
    /* 3 */ {true, 256, 256, 84, 16, 180, 213, kPiercing, 5, 10, F, 7, 255, Sheet::A, 1, 1, 1, 0},
    /* 4 */ {true, 4, 4, 0, 0, 4, 4, 1, 5, 10, StartAngle::Aim, 0, 255, Sheet::A, 0, 0.0625f, 0.0625f, 0.5f},
    /* 5 */ {true, 128, 16, 0, 0, 64, 17, kPiercing, 1, 12, F, 7, 100, Sheet::A, 0, 0.5f, 0.265625f, 0.734375f},
    /* 6 */ {true, 48, 8, 0, 0, 48, 8, 1, 1, 2, F, 0, 120, Sheet::A, 0, 0.5f, 0.265625f, 0.234375f},
    /* 7 */ {true, 64, 8, 0, 0, 64, 8, kPiercing, 2, 10, F, 180, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.484375f},
    /* 8 */ {true, 64, 8, 0, 0, 64, 8, kPiercing, 1, 10, F, 270, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.484375f},
    /* 9 */ {true, 64, 8, 0, 0, 64, 8, kPiercing, 2, 10, F, 0, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.734375f},
    /* 10 */ {true, 64, 8, 0, 0, 64, 8, kPiercing, 1, 10, F, 90, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.484375f},
    /* 11 */ {true, 1, 1, 0, 0, 95, 125, kPiercing, 3, 15, F, 7, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 12 */ {true, 1, 1, 0, 0, 100, 100, kPiercing, 3, 20, F, 7, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 13 */ {true, 1, 1, 0, 0, 1, 1, kPiercing, 1, 28, F, 7, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 14 */ {true, 1, 1, 0, 0, 128, 22, kPiercing, 1, 1, StartAngle::Burst, 0, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 15 */ {true, 1, 1, 0, 0, 128, 22, 999999, 1, 1, F, 7, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 16 */ {true, 1, 1, 0, 0, 64, 64, kPiercing, 1, 1, StartAngle::Burst, 0, 255, Sheet::A, 0, 0.015625f, 0.015625f, 0},
    /* 17 */ {true, 1, 1, 0, 0, 1, 1, kPiercing, 1, 1, F, 7, 255, Sheet::B, 0, 1, 1, 0},
    /* 18 */ {true, 64, 64, 0, 0, 64, 64, kPiercing, 1, 5, StartAngle::Rain, 0, 255, Sheet::B, 0, 1, 1, 0},
    /* 19 */ {true, 64, 64, 0, 0, 64, 64, kPiercing, 1, 10, F, 7, 255, Sheet::B, 2, 1, 1, 0},
    /* 20 */ {false, 0, 0, 0, 0, 0, 0, 0, 0, 0, F, 0, 0, Sheet::None, 0, 0, 0, 0},
    /* 21 */ {true, 32, 1, 0, 0, 32, 1, kPiercing, 1, 10, F, 7, 255, Sheet::B, 3, 0.25f, 1, 0},
    /* 22 */ {true, 64, 16, 0, 0, 64, 16, kPiercing, 3, 12, F, 7, 255, Sheet::A, 0, 0.5f, 0.265625f, 0.234375f},
};

bool kindExists(int kind) { return kind >= 0 && kind < kShotKinds && kShotKindTable[kind].exists; }

const platform::Texture* sheetEntry(platform::Texture** set, int count, int index)
{
    return set && index >= 0 && index < count ? set[index] : nullptr;
}

const platform::Texture* kindTexture(const ShotKindRow& row)
{
    switch (row.sheet) {
    case Sheet::Effect:
        return effectSheet(row.sheetIndex);
    case Sheet::A:
        return shotSheetA(row.sheetIndex);
    case Sheet::B:
        return shotSheetB(row.sheetIndex);
    case Sheet::None:
        break;
    }
    return nullptr;
}

int sign(int v) { return (v > 0) - (v < 0); }

// The heading of a homing pellet by the signs of the aim.
double aimBaseAngle()
{
    static constexpr int kBase[3][3] = {
        // aimY -1, 0, +1
        {225, 180, 135},  // aimX -1
        {270, 0, 90},     // aimX 0
        {315, 0, 45},     // aimX +1
    };
    return kBase[sign(g_aimX) + 1][sign(g_aimY) + 1];
}

// A tap shot starts inside the screen and never turns, so once its box has
// left the screen it is only moving away.
bool leftTheScreen(const GameObject& shot)
{
    return shot.x() >= 640 || shot.y() >= 480 || shot.x() + shot.width() <= 0 ||
           shot.y() + shot.height() <= 0;
}

void drawShot(GameObject& shot)
{
    if (!kindExists(shot.kind()))
        return;
    const ShotKindRow& row = kShotKindTable[shot.kind()];
    if (shot.kind() == 6 && g_device) {
        setModulateStage();
        g_device->setRenderState(platform::D3DRS_SRCBLEND, platform::D3DBLEND_SRCALPHA);
    }
    bindTexture(kindTexture(row));
    platform::Vertex quad[4];
    objectQuad(quad, shot, objectFadeColour(shot), shot.anim() * row.uWidth, row.uWidth,
               row.vOrigin, row.vHeight);
    drawQuad(quad);
}

void updateInWalk(GameObject**, GameObject** cur) { updateShot(**cur); }

void runKindRule(GameObject& shot)
{
    switch (shot.kind()) {
    case 0: updateTapShot(shot); break;
    case 1:
    case 2:
    case 3:
    case 6: straightRight(shot); break;
    case 4: updateHomingPellet(shot); break;
    case 5: updateSparkCounter(shot); break;
    case 7:
    case 8:
    case 9:
    case 10: updateRotatingBeam(shot); break;
    case 11: updateSword(shot); break;
    case 12: updateBoomerang(shot); break;
    case 13: updateLaserGenerator(shot); break;
    case 14: updateLaser(shot); break;
    case 15: updateBurstGenerator(shot); break;
    case 16: updateBurstShot(shot); break;
    case 17: updateRainEmitter(shot); break;
    case 18: updateRainShot(shot); break;
    case 19: updateBarrier(shot); break;
    case 21: updatePillar(shot); break;
    case 22: updateReleaseBeam(shot); break;
    default: shot.kill(); break;
    }
}

}  // namespace

GameObject* spawnShot(GameObject* source, int kind)
{
    if (!source || !kindExists(kind))
        return nullptr;
    float x = kind == 3 ? std::trunc(source->x() - 16) : std::trunc(source->x() + 60);
    float y = kind == 3 ? std::trunc(source->y() - 96) : std::trunc(source->y() + 20);
    GameObject* shot = spawnInto(&g_shotList, &g_lastShot, 2, kind, x, y);
    initShot(*shot);
    return shot;
}

void initShot(GameObject& shot)
{
    if (!kindExists(shot.kind()))
        return;
    const ShotKindRow& row = kShotKindTable[shot.kind()];
    double angle = row.angle;
    if (row.angleFrom == StartAngle::Burst)
        angle = g_burstAngle;
    else if (row.angleFrom == StartAngle::Rain)
        angle = g_rainAngle;
    shot.init(row.width, row.height, row.hitLeft, row.hitTop, row.hitRight, row.hitBottom, 0,
              row.hp, row.power, row.speed, angle, row.alpha, 0, 0);
    switch (shot.kind()) {
    case 0:
        shot.setVx(static_cast<float>(sign(g_aimX) * 15));
        shot.setVy(static_cast<float>(sign(g_aimY) * 15));
        break;
    case 4:
        if (++g_spreadCounter > 8)
            g_spreadCounter = -2;
        shot.setAngle(aimBaseAngle() + g_spreadCounter);
        shot.setVx(static_cast<float>(std::cos(shot.angle() * kDegToRad) * 10));
        shot.setVy(static_cast<float>(std::sin(shot.angle() * kDegToRad) * 10));
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        // The beam circles this anchor.
        shot.setVx(shot.x());
        shot.setVy(shot.y());
        break;
    default:
        break;
    }
}

void shotPass()
{
    setAdditiveBlend();
    walkList(&g_shotList, drawShot, updateInWalk, !g_worldFrozen);
}

void updateShot(GameObject& shot)
{
    runKindRule(shot);
    if (!shot.alive())
        return;
    if (shot.kind() == 0 && leftTheScreen(shot)) {
        shot.kill();
        return;
    }
    if (boxTouchesMap(shot)) {
        shot.setHp(shot.hp() - 1);
        if (shot.hp() < 1) {
            shot.kill();
            onDestroyed(shot);
        }
    }
}

void resetShotState()
{
    g_spreadCounter = -2;
    g_burstAngle = 0;
    g_rainAngle = 0;
    g_swordState = SwordState{};
    g_boomerangTrail = BoomerangTrail{};
    g_barrierSpin = 0;
}

const platform::Texture* shotSheetA(int index) { return sheetEntry(g_texShot1, g_texShot1Count, index); }
const platform::Texture* shotSheetB(int index) { return sheetEntry(g_texShot2, g_texShot2Count, index); }
const platform::Texture* effectSheet(int index) { return sheetEntry(g_texEffect, g_texEffectCount, index); }

void blink(GameObject& shot)
{
    if (shot.cell() != 3)
        shot.setCell(shot.cell() + 1);
    else
        shot.setAnim(shot.anim() == 0 ? 1.0f : 0.0f);
}

void straightRight(GameObject& shot)
{
    if (shot.x() >= 640) {
        shot.kill();
        return;
    }
    shot.setX(shot.x() + shot.speed());
    blink(shot);
}

void squareAbout(platform::Vertex quad[4], float cx, float cy, float radius, int32_t angle,
                 int32_t alpha)
{
    static constexpr int kCorners[4] = {225, 315, 45, 135};
    static constexpr float kU[4] = {0, 1, 1, 0};
    static constexpr float kV[4] = {0, 0, 1, 1};
    uint32_t argb = (static_cast<uint32_t>(alpha) & 0xFF) << 24 | 0xFFFFFF;
    for (int i = 0; i < 4; ++i) {
        int k = (angle + kCorners[i]) % 360;
        if (k < 0)
            k += 360;
        quad[i] = spriteVertex(cx + radius * g_cosTable[k], cy + radius * g_sinTable[k], argb,
                               kU[i], kV[i]);
    }
}

// The bullet pass and the per-kind drawing of the bullet quad: which sheet
// page, which rectangle of it, which blend, and whether it turns.
#include "bullets/BulletPass.h"

#include "app/PlayFlags.h"
#include "bullets/BulletRules.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"

using namespace bullets;

namespace {

enum class Sheet { Shot, Effect };

// Where a texture coordinate's origin comes from: a fixed value, or a fixed
// value plus cell or anim divided by the row's divisor.
enum class From { Fixed, Cell, Anim };

enum class Blend {
    Additive,     // one, one
    Normal,       // source alpha, inverse source alpha
    Glow,         // source alpha, one, stage 0 modulating colour and alpha
    Current,      // whatever the bullet before left in force
    NormalLinear, // normal, with linear magnification
    GlowNoEnable, // as glow, without switching blending on
};

struct BulletDrawRow {
    Sheet sheet;
    int page;
    From uFrom;
    float uDivisor, u0, du;
    From vFrom;
    float v0, dv;
    Blend blend;
    bool rotated;
};

constexpr Sheet S = Sheet::Shot;
constexpr Sheet FX = Sheet::Effect;
constexpr From Fixed = From::Fixed;
constexpr From Cell = From::Cell;
constexpr From Anim = From::Anim;

// Columns: texture (sheet, page); u (from, divisor, origin, width); v (from,
// origin, height); blend; rotated.
constexpr BulletDrawRow kBulletDrawTable[] = {
    /* 0: 0, 6, 7, 31, 1000, 1001 */ {S, 1, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Additive, false},
    /* 1: 1, 14, 15, 25, 28 */ {S, 3, Cell, 32, 0, 1.0f / 32, Anim, 0, 1.0f / 32, Blend::Additive, false},
    /* 2: 2 */ {S, 0, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Additive, false},
    /* 3: 4, 5 */ {S, 0, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Current, false},
    /* 4: 10 */ {S, 2, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Additive, false},
    /* 5: 11 */ {S, 1, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Current, false},
    /* 6: 13 */ {FX, 2, Anim, 8, 0, 0.125f, Fixed, 0.625f, 0.125f, Blend::Additive, false},
    /* 7: 16 */ {S, 3, Fixed, 1, 0, 1, Fixed, 0.96875f, 0.03125f, Blend::Additive, false},
    /* 8: 18, 19 */ {FX, 1, Cell, 8, 0, 0.125f, Fixed, 0.25f, 0.125f, Blend::Normal, false},
    /* 9: 20, 21, 22, 29 */ {FX, 1, Cell, 8, 0, 0.125f, Fixed, 0.375f, 0.125f, Blend::Normal, false},
    /* 10: 23, 24, 46, 47, 48, 49 */ {FX, 1, Cell, 8, 0, 0.125f, Fixed, 0.5f, 0.125f, Blend::Glow, false},
    /* 11: 26 */ {S, 3, Fixed, 1, 0, 0.0625f, Fixed, 0.1875f, 0.0625f, Blend::NormalLinear, false},
    /* 12: 32, 33 */ {S, 1, Fixed, 1, 0, 1, Fixed, 0, 1, Blend::Normal, false},
    /* 13: 34, 35 */ {S, 3, Cell, 8, 0, 0.125f, Fixed, 0.25f, 0.0625f, Blend::Normal, false},
    /* 14: 38 */ {S, 3, Fixed, 1, 0, 0.0625f, Fixed, 0.1875f, 0.0625f, Blend::Normal, false},
    /* 15: 39, 45 */ {FX, 1, Anim, 8, 0, 0.125f, Fixed, 0.875f, 0.125f, Blend::Normal, false},
    /* 16: 40, 41, 42, 43 */ {FX, 2, Anim, 8, 0.25f, 0.125f, Fixed, 0.875f, 0.125f, Blend::Additive, true},
    /* 17: 44 */ {FX, 2, Anim, 8, 0.25f, 0.125f, Fixed, 0.875f, 0.125f, Blend::GlowNoEnable, true},
};

int drawRowOf(int kind)
{
    switch (kind) {
    case 0: case 6: case 7: case 31: case 1000: case 1001: return 0;
    case 1: case 14: case 15: case 25: case 28: return 1;
    case 2: return 2;
    case 4: case 5: return 3;
    case 10: return 4;
    case 11: return 5;
    case 13: return 6;
    case 16: return 7;
    case 18: case 19: return 8;
    case 20: case 21: case 22: case 29: return 9;
    case 23: case 24: case 46: case 47: case 48: case 49: return 10;
    case 26: return 11;
    case 32: case 33: return 12;
    case 34: case 35: return 13;
    case 38: return 14;
    case 39: case 45: return 15;
    case 40: case 41: case 42: case 43: return 16;
    case 44: return 17;
    default: return -1;
    }
}

void applyBlend(Blend blend)
{
    switch (blend) {
    case Blend::Additive: setAdditiveBlend(); break;
    case Blend::Normal: setNormalBlend(); break;
    case Blend::Glow:
        enableAlphaBlend();
        setGlowBlend();
        setModulateStage();
        break;
    case Blend::Current: break;
    case Blend::NormalLinear:
        setNormalBlend();
        setLinearMagFilter();
        break;
    case Blend::GlowNoEnable:
        setGlowBlend();
        setModulateStage();
        break;
    }
}

float origin(From from, float divisor, float base, const GameObject& bullet)
{
    switch (from) {
    case From::Cell: return base + static_cast<float>(bullet.cell()) / divisor;
    case From::Anim: return base + bullet.anim() / divisor;
    case From::Fixed: break;
    }
    return base;
}

void updateInWalk(GameObject**, GameObject** cur) { updateBullet(**cur); }

}  // namespace

void drawBullet(GameObject& bullet)
{
    int index = drawRowOf(bullet.kind());
    if (index < 0)
        return;
    const BulletDrawRow& row = kBulletDrawTable[index];
    applyBlend(row.blend);
    bindTexture(row.sheet == Sheet::Shot ? shotPage(row.page) : effectPage(row.page));
    float u = origin(row.uFrom, row.uDivisor, row.u0, bullet);
    float v = origin(row.vFrom, 1, row.v0, bullet);
    platform::Vertex quad[4];
    if (row.rotated)
        objectQuadRotated(quad, bullet, objectColour(bullet), u, row.du, v, row.dv);
    else
        objectQuad(quad, bullet, objectColour(bullet), u, row.du, v, row.dv);
    drawQuad(quad);
}

void bulletPass()
{
    setPointMagFilter();
    walkList(&g_bulletList, drawBullet, updateInWalk, !g_worldFrozen);
}

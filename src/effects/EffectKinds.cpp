// The effect kinds' starting values. Columns: kind; size and hit box; texture
// (sheet, entry); u, v of frame 0; u step and v size of a cell; blend; alpha;
// then speed (also base speed and aux) and power.
#include "effects/EffectKinds.h"

#include "graphics/TextureSets.h"

namespace {

constexpr EffectSheet FX = EffectSheet::Effect;
constexpr EffectSheet Pow = EffectSheet::Power;
constexpr EffectSheet Front = EffectSheet::Front;
constexpr EffectSheet S2 = EffectSheet::Shot2;
constexpr EffectBlend Add = EffectBlend::Add;
constexpr EffectBlend AddPt = EffectBlend::AddPoint;
constexpr EffectBlend Alpha = EffectBlend::Alpha;
constexpr EffectBlend AlphaPt = EffectBlend::AlphaPoint;
constexpr EffectBlend Glow = EffectBlend::Glow;

constexpr float k16 = 1.0f / 16;

constexpr EffectKindRow kEffectKindTable[] = {
    {3, 16, 16, 0, 0, 0, 0, FX, 0, 0, 0.375f, k16, k16, Alpha, 255, 15, 1},
    {4, 1280, 1280, 0, 0, 0, 0, FX, 1, 0, 0, 0.25f, 0.25f, Add, 255, 15, 1},
    {5, 16, 16, 0, 0, 0, 0, FX, 0, 0.4375f, 0.375f, k16, k16, Add, 255, 15, 1},
    {6, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0.125f, 0.125f, 0.125f, Add, 255, 15, 1},
    {7, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0, 0.125f, 0.125f, Add, 255, 15, 1},
    {8, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0.25f, 0.125f, 0.125f, Add, 255, 15, 1},
    {9, 1, 1, 0, 0, 0, 0, FX, 3, 0, 0, 1, 1, AlphaPt, 255, 15, 1},
    {10, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0.37f, 0.125f, 0.125f, Glow, 255, 15, 1},
    {11, 256, 256, 0, 0, 0, 0, FX, 2, 0, 0, 0.125f, 0.125f, Add, 255, 15, 1},
    {12, 256, 256, 0, 0, 0, 0, FX, 2, 0, 0, 0.125f, 0.125f, Add, 255, 15, 1},
    {14, 640, 480, 0, 0, 0, 0, FX, 4, 0, 0, 1, 0.75f, Alpha, 255, 15, 1},
    {15, 160, 40, 0, 0, 0, 0, FX, 4, 0, 0.75f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {16, 160, 40, 0, 0, 0, 0, FX, 4, 0, 0.833f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {17, 160, 40, 0, 0, 0, 0, FX, 4, 0, 0.916f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {18, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0.5f, 0.125f, 0.125f, Add, 255, 15, 1},
    {21, 0, 0, 0, 0, 0, 0, FX, 5, 0, 0, 1, 1, Alpha, 255, 15, 1},
    {22, 8, 8, 0, 0, 8, 8, S2, 1, 0, 0, 1, 1, Add, 255, 15, 1},
    {23, 16, 16, 0, 0, 0, 0, FX, 0, 0.875f, 0.375f, k16, k16, Alpha, 255, 15, 1},
    {24, 16, 16, 0, 0, 0, 0, FX, 0, 0.4375f, 0.4375f, k16, k16, Add, 255, 15, 1},
    {25, 16, 16, 0, 0, 0, 0, FX, 0, 0, 0.4375f, k16, k16, Add, 255, 15, 1},
    {26, 640, 480, 0, 0, 0, 0, FX, 7, 0, 0, 1, 1, Add, 255, 15, 1},
    {27, 160, 40, 0, 0, 0, 0, FX, 4, 0.25f, 0.75f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {28, 1, 1, 0, 0, 0, 0, Pow, 0, 0.625f, 0.625f, k16, k16, Alpha, 165, 15, 1},
    {31, 64, 64, 0, 0, 0, 0, FX, 2, 0, 0.25f, 0.125f, 0.125f, AddPt, 255, 15, 1},
    {32, 1, 1, 0, 0, 0, 0, FX, 2, 0, 0.25f, 0.125f, 0.125f, AddPt, 255, 1.0f, 100},
    {33, 160, 40, 0, 0, 0, 0, FX, 4, 0.25f, 0.916f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {35, 64, 64, 0, 0, 0, 0, FX, 1, 0, 0.625f, 0.125f, 0.125f, Alpha, 255, 15, 1},
    {36, 128, 128, 0, 0, 0, 0, FX, 1, 0, 0.75f, 0.125f, 0.125f, Alpha, 255, 15, 1},
    {37, 128, 128, 0, 0, 0, 0, FX, 1, 0, 0.75f, 0.125f, 0.125f, Alpha, 255, 15, 1},
    {38, 64, 64, 0, 0, 0, 0, FX, 0, 0, 0.5f, 0.125f, 0.125f, Alpha, 255, 15, 1},
    {200, 32, 32, 0, 0, 0, 0, Pow, 0, 0, 0.8125f, k16, k16, AddPt, 255, 15, 1},
    {201, 32, 32, 0, 0, 0, 0, Pow, 0, 0.5f, 0.8125f, k16, k16, AddPt, 255, 15, 1},
    {1000, 64, 64, 0, 0, 0, 0, Pow, 0, 0.625f, 0.625f, k16, k16, Alpha, 0, 15, 1},
    {2000, 160, 40, 0, 0, 0, 0, FX, 4, 0.25f, 0.833f, 0.25f, 0.083f, Alpha, 105, 15, 1},
    {2100, 0, 0, 0, 0, 0, 0, Front, 1, 0, 0.6875f, 0.5f, 0.0625f, Alpha, 255, 15, 1},
};

const platform::Texture* entryOf(platform::Texture** set, int count, int entry)
{
    return set && entry >= 0 && entry < count ? set[entry] : nullptr;
}

}  // namespace

const EffectKindRow* effectKindRow(int kind)
{
    for (const EffectKindRow& row : kEffectKindTable)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

const platform::Texture* effectTexture(EffectSheet sheet, int entry)
{
    switch (sheet) {
    case EffectSheet::Effect: return entryOf(g_texEffect, g_texEffectCount, entry);
    case EffectSheet::Power: return entryOf(g_texPower, g_texPowerCount, entry);
    case EffectSheet::Front: return entryOf(g_texFront, g_texFrontCount, entry);
    case EffectSheet::Shot2: return entryOf(g_texShot2, g_texShot2Count, entry);
    case EffectSheet::SpecialArt: return entryOf(g_texSpecialArt, g_texSpecialArtCount, entry);
    }
    return nullptr;
}

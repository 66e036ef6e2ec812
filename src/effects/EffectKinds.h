// The effect kinds' starting values and pictures, one row per kind.
#pragma once

#include <cstdint>

namespace platform {
class Texture;
}

enum class EffectSheet { Effect, Power, Front, Shot2, SpecialArt };

enum class EffectBlend {
    Add,         // one, one, linear magnification
    AddPoint,    // one, one, point magnification
    Alpha,       // source alpha, inverse source alpha, filter inherited
    AlphaPoint,  // source alpha, inverse source alpha, point magnification
    Glow,        // source alpha, one, stage 0 modulating, linear magnification
};

struct EffectKindRow {
    int32_t kind;
    float width, height;
    float hitLeft, hitTop, hitRight, hitBottom;
    EffectSheet sheet;
    int entry;
    float uOffset, vOffset;
    float uStep, vSize;
    EffectBlend blend;
    int32_t alpha;
    // Every kind but one starts with these at 15 and 1.
    float speed;
    int32_t power;
};

// The row of a kind, or null for a kind the game does not create.
const EffectKindRow* effectKindRow(int kind);
// Entry of a row's sheet; null when the sheet or the entry is not loaded.
const platform::Texture* effectTexture(EffectSheet sheet, int entry);

// The effect pass: each effect's quad with its kind's blend, then its kind's
// behaviour, then its removal once it has ended.
#include "effects/EffectKinds.h"
#include "effects/EffectRules.h"
#include "effects/Effects.h"
#include "effects/CharacterAttacks.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"

using namespace effects;

namespace {

void applyBlend(EffectBlend blend)
{
    switch (blend) {
    case EffectBlend::Add:
        setAdditiveBlend();
        setLinearMagFilter();
        break;
    case EffectBlend::AddPoint:
        setAdditiveBlend();
        setPointMagFilter();
        break;
    case EffectBlend::Alpha:
        setNormalBlend();
        break;
    case EffectBlend::AlphaPoint:
        setNormalBlend();
        setPointMagFilter();
        break;
    case EffectBlend::Glow:
        setLinearMagFilter();
        enableAlphaBlend();
        setModulateStage();
        setGlowBlend();
        break;
    }
}

void runKindRule(GameObject& e)
{
    switch (e.kind()) {
    case 4: updateLargeBurst(e); break;
    case 9: updateReleaseCutIn(e); break;
    case 10: updateSpecialSparkle(e); break;
    case 11: updatePenFirstFigure(e); break;
    case 12: updatePenSecondFigure(e); break;
    case 14: updateTitleBackground(e); break;
    case 15:
    case 16:
    case 17:
    case 33:
    case 2000: updateTitleEntry(e); break;
    case 21: updateHitBoxMarker(e); break;
    case 22: updateSlowingField(e); break;
    case 23: updatePageMarker(e); break;
    case 26: updateScreenFlash(e); break;
    case 27: updateGameOver(e); break;
    case 28: updatePauseScreen(e); break;
    case 31: updateTravellingOrb(e); break;
    case 32: updateSwirlAttack(e); break;
    case 37: updateExplosionSource(e); break;
    case 1000: updateStageClear(e); break;
    case 2100: updateUnlockCaption(e); break;
    default:
        if (isOneShot(e.kind()))
            updateOneShot(e);
        break;
    }
}

}  // namespace

void drawEffect(const GameObject& effect)
{
    const EffectKindRow* row = effectKindRow(effect.kind());
    if (!row)
        return;
    applyBlend(row->blend);
    bindTexture(effectTexture(row->sheet, row->entry));
    float u = effect.anim() * row->uStep + row->uOffset;
    platform::Vertex quad[4];
    axisQuad(quad, effect.x() - 0.5f, effect.y() - 0.5f, static_cast<float>(effect.width()),
             static_cast<float>(effect.height()), objectFadeColour(effect), u, row->uStep,
             row->vOffset, row->vSize);
    drawQuad(quad);
}

GameObject* updateEffect(GameObject** list, GameObject* effect)
{
    runKindRule(*effect);
    return advanceWalk(list, effect);
}

void effectPass(GameObject** list)
{
    if (!list)
        return;
    GameObject* effect = *list;
    while (effect) {
        drawEffect(*effect);
        effect = updateEffect(list, effect);
    }
}

// The effects that serve the craft: the release burst and cut-in, the hit-box
// marker, the slowing field and the travelling orb.
#include "app/PlayFlags.h"
#include "effects/EffectKinds.h"
#include "effects/EffectRules.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "sound/Sound.h"

namespace effects {

namespace {

constexpr int kFieldSubWeapon = 4;
constexpr int kOrbSubWeapon = 7;
constexpr int kPillarShot = 21;
constexpr int kPillarSound = 9;

}  // namespace

// Shrinks by 100 pixels a frame, centred a little ahead of the craft, and is
// drawn 13 times from 1280 down to 80 pixels.
void updateLargeBurst(GameObject& e)
{
    if (e.cell() >= 12) {
        e.kill();
        return;
    }
    e.setWidth(static_cast<int32_t>(e.width() - 100.0));
    e.setHeight(static_cast<int32_t>(e.height() - 100.0));
    if (g_playerObject) {
        e.setX(g_playerObject->x() - e.width() / 2 + 120);
        e.setY(g_playerObject->y() - e.height() / 2 + 30);
    }
    e.setCell(e.cell() + 1);
}

// The character's picture fading from 255 to 55; the craft is untouchable
// until it falls below half.
void updateReleaseCutIn(GameObject& e)
{
    if (e.alpha() < 55) {
        e.kill();
        return;
    }
    if (e.alpha() < 128)
        g_releaseInvulnerable = false;
    drawSpriteFaded(effectTexture(EffectSheet::SpecialArt, 0), 512, 0, 128, 480,
                    g_character * 0.25f, 0.25f, 0, 0.9375f, e.alpha());
    drawSpriteFaded(effectTexture(EffectSheet::SpecialArt, 1), 0, 0, 512, 480, 0, 1, 0,
                    0.9375f, e.alpha());
    e.setAlpha(e.alpha() - 2);
    e.incrementTimer();
}

// Sized to the craft's hit box on its first update, then laid over it.
void updateHitBoxMarker(GameObject& e)
{
    if (!g_toggleOn) {
        e.kill();
        return;
    }
    if (!g_playerObject)
        return;
    const GameObject& craft = *g_playerObject;
    if (e.step() == 0) {
        e.setWidth(static_cast<int32_t>(craft.hitRight() - craft.hitLeft()));
        e.setHeight(static_cast<int32_t>(craft.hitBottom() - craft.hitTop()));
        e.setStepOne();
        return;
    }
    e.setX(craft.x() + craft.hitLeft());
    e.setY(craft.y() + craft.hitTop());
}

// Grows from 8 to 256 pixels, then pulses between 200 and 256 around the
// craft, slowing the bullets it touches, for one gauge point a frame. When the
// button is let go or the gauge runs dry, every bullet gets its speed back.
void updateSlowingField(GameObject& e)
{
    if (!g_subWeaponBusy[kFieldSubWeapon] || !payGauge(kCostSubWeapon0 + kFieldSubWeapon)) {
        for (GameObject* bullet = g_bulletList; bullet; bullet = bullet->next)
            bullet->aimVelocity();
        g_subWeaponBusy[kFieldSubWeapon] = false;
        e.kill();
        return;
    }
    if (e.flag()) {
        if (e.width() > 255) {
            e.toggleFlag();
        } else {
            e.setWidth(e.width() + 8);
            e.setHeight(e.height() + 8);
        }
    } else if (e.width() < 201) {
        e.toggleFlag();
    } else {
        e.setWidth(e.width() - 8);
        e.setHeight(e.height() - 8);
    }
    if (g_playerObject) {
        e.setX(g_playerObject->x() + 38 - e.width() / 2);
        e.setY(g_playerObject->y() + 38 - e.height() / 2);
    }
    e.setHitRight(static_cast<float>(e.width()));
    e.setHitBottom(static_cast<float>(e.width()));
    for (GameObject* bullet = g_bulletList; bullet; bullet = bullet->next)
        bullet->slowNear(e);
}

// Flies right while the button is held; let go, it becomes a pillar of light
// where it is. One that leaves the screen first is lost.
void updateTravellingOrb(GameObject& e)
{
    if (!g_subWeaponBusy[kOrbSubWeapon]) {
        spawnShot(&e, kPillarShot);
        playSound(kPillarSound);
        e.kill();
        return;
    }
    if (e.x() >= 640) {
        e.kill();
        return;
    }
    e.setX(e.x() + e.speed());
    loopFrames(e, 7, 6);
}

}  // namespace effects

// Special attack, focus, sub-weapons, the toggle and the two shot buttons.
#include "player/Firing.h"

#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "effects/Effects.h"
#include "objects/GameObject.h"
#include "player/Controls.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "sound/Sound.h"

namespace {

// What each sub-weapon type puts out: a shot kind, or a front effect kind at
// the craft; and whether its latch opens again when the button goes up
// rather than when its shot ends.
struct SubWeaponRow {
    int shotKind;    // -1: none
    int effectKind;  // -1: none
    bool releasedByButton;
};
constexpr SubWeaponRow kSubWeapons[kSubWeaponTypes] = {
    {13, -1, false}, {11, -1, false}, {12, -1, false}, {15, -1, false},
    {-1, 22, true},  {19, -1, true},  {17, -1, false}, {-1, 31, true},
};

constexpr int kReleaseFrames = 3;

void releaseCharge(GameObject& craft, int button, bool shotA)
{
    g_chargeBlink[button] = 0;
    double r = static_cast<double>(g_buttonHeld[button]) / g_chargeFrames[button];
    bool full = g_buttonHeld[button] >= g_chargeFrames[button];
    if (shotA) {
        int pellets = 0;
        if (full && payGauge(kCostChargeAFull)) {
            pellets = 10;
            g_screenFlash = true;
        } else if (!full && r >= 0.6 && payGauge(kCostChargeA2)) {
            pellets = 6;
        } else if (r >= 0.3 && r < 0.6 && payGauge(kCostChargeA1)) {
            pellets = 3;
        }
        for (int i = 0; i < pellets; ++i)
            spawnShot(&craft, 4);
        if (pellets > 0)
            playSound(3);
    } else if (full) {
        if (payGauge(kCostChargeBFull)) {
            for (int kind = 7; kind <= 10; ++kind)
                spawnShot(&craft, kind);
            playSound(4);
            g_screenFlash = true;
        }
    } else if (r >= 0.6) {
        if (payGauge(kCostChargeB2)) {
            spawnShot(&craft, 5);
            playSound(2);
        }
    } else if (r >= 0.3) {
        if (payGauge(kCostChargeB1)) {
            spawnShot(&craft, 2);
            playSound(2);
        }
    }
    g_buttonHeld[button] = 0;
}

void releaseDoubleCharge(GameObject& craft)
{
    g_releaseInvulnerable = true;
    g_screenFlash = true;
    spawnBackEffect(&craft, 9);
    spawnBackEffect(&craft, 4);
    for (int action : {kActionShotA, kActionShotB}) {
        int button = actionButtonIndex(action);
        if (button >= 0) {
            g_chargeBlink[button] = 0;
            g_buttonHeld[button] = 0;
        }
    }
    g_playerState = 2;
}

void runShotButton(GameObject& craft, int button, bool shotA)
{
    if (g_buttonDown[button]) {
        if (g_buttonHeld[button] == 0) {
            g_buttonHeld[button] = 1;
            if (shotA && payGauge(kCostTapA)) {
                spawnShot(&craft, 0);
                playSound(0);
            } else if (!shotA && payGauge(kCostTapB)) {
                spawnShot(&craft, 1);
                playSound(1);
            }
        } else if (g_buttonHeld[button] < g_chargeFrames[button]) {
            ++g_buttonHeld[button];
        } else {
            g_chargeBlink[button] = g_chargeBlink[button] >= 5 ? 0 : g_chargeBlink[button] + 1;
            g_buttonHeld[button] = g_chargeFrames[button];
        }
    } else if (g_playerState == 1) {
        releaseDoubleCharge(craft);
    } else {
        releaseCharge(craft, button, shotA);
    }
}

}  // namespace

void stepRelease(GameObject& craft)
{
    if (g_releaseTimer < kReleaseFrames) {
        ++g_releaseTimer;
        return;
    }
    g_releaseTimer = 0;
    if (craft.cell() < 3) {
        craft.setCell(craft.cell() + 1);
        return;
    }
    spawnShot(&craft, g_character == 1 ? 22 : 3);
    craft.setCell(0);
    g_playerState = 0;
}

void fireSpecial(GameObject& craft)
{
    if (!actionDown(kActionSpecial) || g_specialInUse != 0 || !payGauge(kCostSpecial))
        return;
    g_specialInUse = 1;
    g_worldFrozen = true;
    if (g_character == 1) {
        spawnEffect(&craft, 32);
    } else {
        spawnEffect(&craft, 11);
        spawnEffect(&craft, 12);
    }
}

void holdFocus(GameObject& craft)
{
    g_focusActive = actionDown(kActionFocus);
    craft.setSpeed(g_focusActive ? 2.0f : 5.0f);
}

void useSubWeapon(GameObject& craft)
{
    if (g_subWeapon < 0 || g_subWeapon >= kSubWeaponTypes)
        return;
    const SubWeaponRow& row = kSubWeapons[g_subWeapon];
    bool& busy = g_subWeaponBusy[g_subWeapon];
    if (!actionDown(kActionSubWeapon)) {
        if (row.releasedByButton)
            busy = false;
        return;
    }
    if (busy || !payGauge(kCostSubWeapon0 + g_subWeapon))
        return;
    if (row.shotKind >= 0)
        spawnShot(&craft, row.shotKind);
    else
        spawnEffect(&craft, row.effectKind);
    busy = true;
}

void useToggle(GameObject& craft)
{
    int button = actionButtonIndex(kActionToggle);
    if (button < 0)
        return;
    if (!g_buttonDown[button]) {
        g_buttonHeld[button] = 0;
        return;
    }
    if (g_buttonHeld[button] != 0)
        return;
    g_buttonHeld[button] = 1;
    g_toggleOn = !g_toggleOn;
    if (g_toggleOn)
        spawnEffect(&craft, 21);
}

void useShotButtons(GameObject& craft)
{
    int a = actionButtonIndex(kActionShotA);
    int b = actionButtonIndex(kActionShotB);
    for (int i = 0; i < kPhysicalButtons; ++i) {
        if (i == a)
            runShotButton(craft, i, true);
        else if (i == b)
            runShotButton(craft, i, false);
    }
}

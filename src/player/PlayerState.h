// The craft and the player-control state shared by the craft, its shots, the
// HUD and the menus.
#pragma once

#include <cstdint>

class GameObject;

extern GameObject* g_playerObject;

constexpr int kPhysicalButtons = 8;
constexpr int kGaugeCostCount = 19;
constexpr int kSubWeaponTypes = 8;

extern int g_playerState;  // 0 normal, 1 double charge ready, 2 release attack running
extern int g_releaseTimer;
extern int g_moveX;
extern int g_moveY;
extern int g_aimX;
extern int g_aimY;
extern uint8_t g_buttonDown[kPhysicalButtons];
extern int g_buttonHeld[kPhysicalButtons];
extern int g_chargeFrames[kPhysicalButtons];
extern int g_chargeBlink[kPhysicalButtons];
extern float g_gauge;
extern float g_gaugeMax;
extern int g_gaugeCost[kGaugeCostCount];
extern int g_subWeapon;
extern int g_character;
extern bool g_controlsNormal;
extern bool g_focusActive;
extern bool g_toggleOn;
extern bool g_subWeaponBusy[kSubWeaponTypes];
extern bool g_joystickUsed;
extern int g_score;
extern int g_bankedScore;
extern int g_spreadCounter;  // angle offset of the next homing pellet, cycles -2..8

// The gauge cost indices that the craft, its shots and the HUD pay.
enum GaugeCost : int {
    kCostTapA = 0,
    kCostChargeA1 = 1,
    kCostChargeA2 = 2,
    kCostChargeAFull = 3,
    kCostTapB = 4,
    kCostChargeB1 = 5,
    kCostChargeB2 = 6,
    kCostChargeBFull = 7,
    kCostSubWeapon0 = 8,  // types 0-7 follow in order
    kCostDoubleCharge = 16,
    kCostSpecial = 17,
    kCostBarrierFrame = 18,
};

// Pays the cost at index from the gauge when the gauge holds at least that
// much; false (and the gauge untouched) otherwise or for an unknown index.
bool payGauge(int index);
// Enters the double charge (state 1) when both shot buttons are fully charged,
// the craft is in state 0 and the gauge pays for it. Run once a frame by the
// charge-gauge display, before the craft's own step.
void enterDoubleCharge();

// The costs of the gauge, indexed by what is paid for.
constexpr int kDefaultGaugeCost[kGaugeCostCount] = {0,   10,  40,  100, 0,   20, 50,
                                                    100, 300, 150, 120, 250, 1,  100,
                                                    600, 50,  400, 700, 3};

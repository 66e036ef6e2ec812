// The craft's object and the player-control globals, at their start-up values.
#include "player/PlayerState.h"

GameObject* g_playerObject = nullptr;

int g_playerState = 0;
int g_releaseTimer = 0;
int g_moveX = 0;
int g_moveY = 0;
int g_aimX = 1;
int g_aimY = 0;
uint8_t g_buttonDown[kPhysicalButtons] = {};
int g_buttonHeld[kPhysicalButtons] = {};
int g_chargeFrames[kPhysicalButtons] = {90, 90, 90, 90, 90, 90, 90, 90};
int g_chargeBlink[kPhysicalButtons] = {};
float g_gauge = 800.0f;
float g_gaugeMax = 1000.0f;
int g_gaugeCost[kGaugeCostCount] = {
    kDefaultGaugeCost[0],  kDefaultGaugeCost[1],  kDefaultGaugeCost[2],  kDefaultGaugeCost[3],
    kDefaultGaugeCost[4],  kDefaultGaugeCost[5],  kDefaultGaugeCost[6],  kDefaultGaugeCost[7],
    kDefaultGaugeCost[8],  kDefaultGaugeCost[9],  kDefaultGaugeCost[10], kDefaultGaugeCost[11],
    kDefaultGaugeCost[12], kDefaultGaugeCost[13], kDefaultGaugeCost[14], kDefaultGaugeCost[15],
    kDefaultGaugeCost[16], kDefaultGaugeCost[17], kDefaultGaugeCost[18]};
int g_subWeapon = 0;
int g_character = 99;
bool g_controlsNormal = true;
bool g_focusActive = false;
bool g_toggleOn = false;
bool g_subWeaponBusy[kSubWeaponTypes] = {};
bool g_joystickUsed = false;
int g_score = 0;
int g_bankedScore = 0;
int g_spreadCounter = 0;

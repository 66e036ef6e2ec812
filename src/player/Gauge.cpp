// The energy gauge: what attacks cost and the double charge it pays for.
#include "data/ButtonConfig.h"
#include "player/PlayerState.h"

bool payGauge(int index)
{
    if (index < 0 || index >= kGaugeCostCount)
        return false;
    float cost = static_cast<float>(g_gaugeCost[index]);
    if (cost > g_gauge)
        return false;
    g_gauge -= cost;
    return true;
}

void enterDoubleCharge()
{
    int a = g_actionButton[kActionShotA];
    int b = g_actionButton[kActionShotB];
    if (a < 0 || a >= kPhysicalButtons || b < 0 || b >= kPhysicalButtons)
        return;
    if (g_buttonHeld[a] != g_chargeFrames[a] || g_buttonHeld[b] != g_chargeFrames[b])
        return;
    if (g_playerState == 0 && payGauge(kCostDoubleCharge))
        g_playerState = 1;
}

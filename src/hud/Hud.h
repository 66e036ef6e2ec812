// The HUD: charge gauges, status bars, score and the steps-per-second counter.
#pragma once

void drawChargeGauges();
void drawStatusBars();
void drawScore(int value);
void drawFpsCounter();

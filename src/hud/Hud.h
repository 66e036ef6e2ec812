// The HUD: charge gauges, status bars, score, the steps-per-second counter and
// the stage-results panel. Two passes also carry the rules that depend only on
// what they show: the charge gauges start the double charge and the status
// bars refill the energy gauge.
#pragma once

#include <cstdint>

void drawChargeGauges();
void drawStatusBars();
void drawScore(int32_t value);
void drawFpsCounter();
void drawStageResults();
// value zero-padded to digits places in the tall digit style, at (x, y).
void drawNumber(int32_t value, float x, float y, int digits);

// Texture 0 of the power sheet, which holds every HUD picture; null when the
// sheet failed to load.
namespace platform { class Texture; }
platform::Texture* hudTexture();

// The gauge's blink phase and counters, back to their start-up values.
void resetHudCounters();

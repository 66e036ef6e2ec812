// The stage background: one full-screen picture scrolling left and wrapping,
// dimmed while an event freezes the player.
#pragma once

#include <cstdint>

extern int32_t g_backAlpha;
extern int32_t g_backScroll;
extern float g_backScrollU;

// Draws and advances the background; once per stage frame.
void drawBackground();

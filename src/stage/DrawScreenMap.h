// The stage's scrolling tile map: loading, drawing, scrolling and the tiles
// that hurt the craft.
#pragma once

#include <cstdint>

// Loads stage stageIndex (0-based) from "lnfpac/map.pac"; true on success.
bool loadStageMap(int32_t stageIndex);
// Draws the visible tiles, advances the scroll, tests the craft against the tiles.
void stageMapStep();

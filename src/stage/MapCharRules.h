// Shared between the map characters' files: the per-type actions the step
// calls and the helpers they use. Not for the rest of the game.
#pragma once

#include <cstdint>

#include "stage/MapCharMove.h"

// True when the map cell holds a solid tile; cells outside the grid are empty.
bool mapCellSolid(int32_t column, int32_t row);

void beamAction(MapChar& record);
void crawlerAction(MapChar& record);
void hatchAction(MapChar& record, const MapCharView& view);
void generatorAction(MapChar& record, const MapCharView& view);
void fixedTurretAction(MapChar& record, const MapCharView& view);
void spiralTurretAction(MapChar& record, const MapCharView& view, int32_t arms);
void rotatingTurretAction(MapChar& record, const MapCharView& view);

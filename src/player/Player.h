// The craft: its controls, drawing, gauge and the resets of play.
#pragma once

void updatePlayer();
// Empties the lists and returns to the title with everything reset.
void resetForNewGame();

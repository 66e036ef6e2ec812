// The selection's live demonstration of the highlighted sub-weapon: the
// sub-weapon's own shots and effects, run by their ordinary rules against the
// craft's position, with no enemies to hit.
#pragma once

// Spawns the demonstration of sub-weapon entry 0-3 of character 0 or 1 and
// makes it the current sub-weapon.
void startDemonstration(int character, int entry);
// Draws and moves the demonstration; when nothing of it is left, the next
// frame starts it again.
void runDemonstration();

// Starting straight in a stage with a loadout, as the selection screen's
// final confirm does: for the headless runner, tests and reviewers.
#pragma once

// stage 1-5, character 0-1, subWeapon 0-3 (of that character). False when a
// texture set cannot be loaded.
bool startStageDirectly(int stage, int character, int subWeapon);

// The stage clear that a fallen boss starts.
#pragma once

class GameObject;

// Starts the stage-clear screen at the boss, saves the progress flags and
// turns every enemy bullet into an item.
void startStageClear(GameObject& boss);
// Every enemy bullet, oldest first, becomes one item and is removed.
void bulletsToItems();

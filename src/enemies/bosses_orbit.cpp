// The orbit boss (kind 10) and its satellites (kind 11). They arrive with
// their own build; until then each stands where it spawned.
#include "enemies/Bosses.h"

void updateOrbitBoss(GameObject&) {}
void updateOrbitSatellite(GameObject&) {}

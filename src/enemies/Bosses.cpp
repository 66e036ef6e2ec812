// The bosses' behaviours.
#include "enemies/Bosses.h"

// The bosses arrive with their own build; until then a boss stands where it spawned.
void updateBossKind1(GameObject&) {}
void updateBossKind7(GameObject&) {}
void updateBossKind9(GameObject&) {}
void updateFirstForm(GameObject&) {}
void updateSecondFormCore(GameObject&) {}
void updateSecondFormArm(GameObject&) {}
void updateOrbitBoss(GameObject&) {}
void updateOrbitSatellite(GameObject&) {}

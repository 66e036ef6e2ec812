// The first bosses (kinds 1, 7 and 9). They arrive with their own build; until
// then each stands where it spawned.
#include "enemies/Bosses.h"

void updateBossKind1(GameObject&) {}
void updateBossKind7(GameObject&) {}
void updateBossKind9(GameObject&) {}

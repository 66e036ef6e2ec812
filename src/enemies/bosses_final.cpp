// The final boss (kind 8) and its second form (kinds 17, 18 and 19). They
// arrive with their own build; until then each stands where it spawned.
#include "enemies/Bosses.h"

void updateFirstForm(GameObject&) {}
void updateSecondFormCore(GameObject&) {}
void updateSecondFormArm(GameObject&) {}

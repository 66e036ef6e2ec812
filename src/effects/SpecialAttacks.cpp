// The special attacks arrive with their own build; until then their effects
// stand still and draw only their pass quad.
#include "effects/SpecialAttacks.h"

// The special attacks arrive with their own build.
void updateSpecialSparkle(GameObject&) {}
// The special attacks arrive with their own build.
void updatePenFirstFigure(GameObject&) {}
// The special attacks arrive with their own build.
void updatePenSecondFigure(GameObject&) {}
// The special attacks arrive with their own build.
void updateSwirlAttack(GameObject&) {}

// The effect lists' operations. Effects of every kind arrive with their own
// behaviours; until then nothing is spawned and the lists stay empty.
#include "effects/Effects.h"

void spawnEffect(GameObject*, int) {}
void spawnEffectAt(GameObject*, int, int, int) {}
void spawnBackEffect(GameObject*, int) {}
void effectPass(GameObject**) {}

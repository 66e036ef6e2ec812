// Enemy creation. The enemy kinds arrive with their own build; until then no
// enemy is created.
#include "enemies/EnemySpawn.h"

void spawnEnemy(int, float, float, double) {}

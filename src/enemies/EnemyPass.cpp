// The enemy pass. Enemies arrive with their spawners; until then the list
// stays empty.
#include "enemies/EnemyPass.h"

void enemyPass() {}

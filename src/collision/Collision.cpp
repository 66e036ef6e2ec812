// The collision passes. They arrive with shots, enemies, bullets and items;
// until then nothing can meet.
#include "collision/Collision.h"

void collideItemsWithPlayer(GameObject**, GameObject**) {}
void collideEnemiesWithShots(GameObject**, GameObject**) {}
void collidePlayerWithList(GameObject**, GameObject**) {}

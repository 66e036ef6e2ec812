// The collision passes, run before anything moves in a stage frame. Each takes
// the addresses of two list heads; the craft is passed as a one-element list.
#pragma once

class GameObject;

void collideItemsWithPlayer(GameObject** items, GameObject** players);
void collideEnemiesWithShots(GameObject** enemies, GameObject** shots);
void collidePlayerWithList(GameObject** players, GameObject** others);

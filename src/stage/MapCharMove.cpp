// The map characters' per-frame step. Their behaviours arrive with the
// enemies and bullets they release; until then they stay where the map put them.
#include "stage/MapCharMove.h"

void mapCharsStep() {}

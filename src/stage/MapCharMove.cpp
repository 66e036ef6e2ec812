#include "stage/MapCharMove.h"

GameObject* g_mapEmitterObject = nullptr;

// The table arrives with the map characters; until then a stage has none.
void mapCharsStep() {}
void freeMapCharacters() {}

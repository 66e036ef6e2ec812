// The stage map. Its loader arrives with the map file's reader; until then a
// stage cannot be set up and nothing scrolls.
#include "stage/DrawScreenMap.h"

bool loadStageMap(int32_t) { return false; }
void stageMapStep() {}

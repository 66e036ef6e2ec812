// The player-shot pass. Shots arrive with the craft; until then the list
// stays empty.
#include "player/Shots.h"

void shotPass() {}

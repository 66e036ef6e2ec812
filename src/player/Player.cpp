// The craft's step and the resets. The craft arrives with the stage map;
// until then it is neither drawn nor moved.
#include "player/Player.h"

void updatePlayer() {}
void resetForNewGame() {}

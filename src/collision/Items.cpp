// The item pass. Items arrive with the collision passes; until then the list
// stays empty.
#include "collision/Items.h"

void itemPass() {}

// The bullet pass. Bullets arrive with the enemies that fire them; until then
// the list stays empty.
#include "bullets/BulletPass.h"

void bulletPass() {}

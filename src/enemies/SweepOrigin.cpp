#include "enemies/SweepOrigin.h"

GameObject* g_sweepOriginObject = nullptr;

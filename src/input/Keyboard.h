// The keyboard, read at the moment of the call (no buffering).
#pragma once

#include "platform/Backend.h"

inline bool keyDown(platform::Key key) { return platform::backend().keyDown(key); }

// The game's keys on an SDL keyboard.
#pragma once

#include <SDL.h>

#include "platform/Backend.h"

namespace platform::sdl {

// Whether the key is down now; Shift and Ctrl mean either side.
bool keyIsDown(Key key);
// The game's key for a key event, Key::Count for keys the game ignores.
Key keyFromEvent(const SDL_Keysym& keysym);

}  // namespace platform::sdl

// The window's icon, read from a PNG in the game folder.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// A missing or unreadable icon costs one line on standard error and leaves
// the window with the desktop's default icon.
void setWindowIcon(SDL_Window* window, const char* path);

}  // namespace platform::sdl

// The game window on the desktop: its size and place, full screen and back,
// its icon and the names a desktop groups it by, and the settings that
// remember the mode and size between runs.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/Backend.h"
#include "platform/WindowSettings.h"

namespace platform::sdl {

// The names a desktop knows the game by (its menu entry is lanternfall.desktop).
// Set before the video subsystem starts.
void nameTheApplication();

// F11, or Enter with Alt held, pressed (not repeated).
bool isFullScreenToggle(const SDL_KeyboardEvent& key);

class Window {
public:
    ~Window() { destroy(); }

    // A hidden window of the remembered or the default size, centred on the
    // usable area. options.fullScreen marks the full-screen build, which
    // always starts full screen; the windowed build starts as it was left.
    bool create(const WindowOptions& options);
    // Shows the window in the mode it starts in, with its icon.
    void show();
    // Saves the settings when they changed, then closes the window.
    void destroy();

    SDL_Window* handle() const { return window_; }
    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);

private:
    WindowSettings current() const;
    SDL_Rect usableArea() const;

    SDL_Window* window_ = nullptr;
    bool fullScreenBuild_ = false;
    bool fullScreen_ = false;
    bool startFullScreen_ = false;
    WindowSize windowed_;  // the window's size while it is full screen
    std::string settingsPath_;
    WindowSettings loaded_;
};

}  // namespace platform::sdl

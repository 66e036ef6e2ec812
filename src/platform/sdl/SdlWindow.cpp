// The game window: created hidden at its size, shown in its mode, switched
// between window and full screen, and remembered when it closes.
#include "platform/sdl/SdlWindow.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/sdl/SdlIcon.h"

namespace platform::sdl {

namespace {

constexpr WindowSize kFrame = {640, 480};
constexpr WindowSize kSmallest = {320, 240};
constexpr const char* kIconFile = "lanternfall.png";

}  // namespace

void nameTheApplication()
{
    // SDL 2.26 takes the X11 WM_CLASS and the Wayland app id from these
    // variables only; a name the player set is kept.
    setenv("SDL_VIDEO_X11_WMCLASS", "lanternfall", 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", "lanternfall", 0);
    SDL_SetHint(SDL_HINT_APP_NAME, "lanternfall");
}

bool isFullScreenToggle(const SDL_KeyboardEvent& key)
{
    if (key.type != SDL_KEYDOWN || key.repeat) return false;
    const SDL_Keycode sym = key.keysym.sym;
    return sym == SDLK_F11 || ((sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT));
}

SDL_Rect Window::usableArea() const
{
    const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
    SDL_Rect area = {0, 0, kFrame.width, kFrame.height};
    if (SDL_GetDisplayUsableBounds(display, &area) != 0) SDL_GetDisplayBounds(display, &area);
    return area;
}

bool Window::create(const WindowOptions& options)
{
    destroy();
    fullScreenBuild_ = options.fullScreen;
    settingsPath_ = windowSettingsPath();
    loaded_ = loadWindowSettings(settingsPath_);
    startFullScreen_ = fullScreenBuild_ || loaded_.fullScreen;
    const SDL_Rect area = usableArea();
    windowed_ = chooseWindowSize(loaded_, {area.w, area.h}, kFrame);
    const int x = area.x + std::max(0, (area.w - windowed_.width) / 2);
    const int y = area.y + std::max(0, (area.h - windowed_.height) / 2);
    window_ = SDL_CreateWindow(options.title ? options.title : "", x, y, windowed_.width, windowed_.height,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!window_) {
        std::cerr << "Lanternfall: cannot create the window: " << SDL_GetError() << '\n';
        return false;
    }
    SDL_SetWindowMinimumSize(window_, kSmallest.width, kSmallest.height);
    return true;
}

void Window::show()
{
    if (!window_) return;
    setWindowIcon(window_, kIconFile);
    if (startFullScreen_) setFullScreen(true);
    SDL_ShowWindow(window_);
}

void Window::setFullScreen(bool on)
{
    if (!window_ || on == fullScreen_) return;
    if (on) {
        SDL_GetWindowSize(window_, &windowed_.width, &windowed_.height);
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &bounds) != 0) return;
        // A window manager makes the window full screen when asked; without
        // one, a borderless window over the whole display is the same thing.
        // The display mode is never changed.
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, bounds.x, bounds.y);
        SDL_SetWindowSize(window_, bounds.w, bounds.h);
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        SDL_ShowCursor(SDL_DISABLE);
    } else {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_SetWindowSize(window_, windowed_.width, windowed_.height);
        const SDL_Rect area = usableArea();
        SDL_SetWindowPosition(window_, area.x + std::max(0, (area.w - windowed_.width) / 2),
                              area.y + std::max(0, (area.h - windowed_.height) / 2));
        SDL_ShowCursor(SDL_ENABLE);
    }
    fullScreen_ = on;
}

// The full-screen build always starts full screen, so its own mode is not
// remembered: the windowed build's choice stays as that build left it.
WindowSettings Window::current() const
{
    WindowSettings settings;
    settings.fullScreen = fullScreenBuild_ ? loaded_.fullScreen : fullScreen_;
    WindowSize size = windowed_;
    if (!fullScreen_) SDL_GetWindowSize(window_, &size.width, &size.height);
    settings.width = size.width;
    settings.height = size.height;
    return settings;
}

void Window::destroy()
{
    if (!window_) return;
    const WindowSettings now = current();
    if (now != loaded_) saveWindowSettings(settingsPath_, now);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    fullScreen_ = false;
}

}  // namespace platform::sdl

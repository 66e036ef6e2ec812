// What the window remembers between runs (window or full screen, and the
// window's size) and the size it opens at. Kept in a small text file in the
// player's configuration folder:
//
//   # comment lines and blank lines are allowed
//   fullscreen no            yes or no
//   size 1280 960            the window's inner size in pixels, 1..16384 each
//
// Either line may be missing (its default is kept); lines with another key
// are passed over, so a newer version's file still reads. Anything else is
// damage, and a damaged file is ignored as a whole.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct WindowSettings {
    bool fullScreen = false;
    int width = 0;   // 0 x 0: no size remembered
    int height = 0;

    bool operator==(const WindowSettings&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;

    bool operator==(const WindowSize&) const = default;
};

// $XDG_CONFIG_HOME/lanternfall/window.conf, or ~/.config/lanternfall/window.conf
// when that is unset or not absolute.
std::string windowSettingsPath();

// False for damaged text, with the line and the problem in error.
bool parseWindowSettings(std::string_view text, WindowSettings& out, std::string& error);
std::string formatWindowSettings(const WindowSettings& settings);

// The settings in the file. A missing file gives the defaults quietly; a
// damaged or unreadable one gives them with one line on standard error.
WindowSettings loadWindowSettings(const std::string& path);
// Creates the folder when needed and replaces the file atomically (a
// temporary beside it, flushed to the disk, then renamed over it). On failure
// one line on standard error names the file; the old file is left as it was.
bool saveWindowSettings(const std::string& path, const WindowSettings& settings);

// The size a window opens at on a display whose usable area is usable: the
// remembered size when it fits, otherwise the largest whole multiple of the
// frame that fits (at least 1x).
WindowSize chooseWindowSize(const WindowSettings& remembered, WindowSize usable, WindowSize frame);

}  // namespace platform

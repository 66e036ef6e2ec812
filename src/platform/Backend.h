// The seam between the game and the machine: window, events, presentation,
// message boxes, the millisecond clock, keyboard, one joystick and audio.
// Two implementations: SDL2 (a real window, audio and gamepads) and headless
// (tests: scripted input, a virtual clock, PNG screenshots and a log).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace platform {

// Tab is never read by the game: it fast-forwards the playback of a replay.
enum class Key { Up, Down, Left, Right, Z, X, C, A, Space, Shift, Ctrl, Escape, Tab, Count };

enum class EventType {
    Quit,            // the window was closed (system menu, Alt+F4, window manager)
    Activate,        // the window became active
    Deactivate,      // the window lost focus
    KeyDown,         // a key went down; key says which
    Paint,           // the window needs repainting (all drawing is the device's)
    DevicesChanged,  // a joystick was plugged in or pulled out
};

struct Event {
    EventType type;
    Key key = Key::Count;
};

// Joystick state as the game reads it: axes scaled to -100..100, eight buttons
// whose byte has bit 0x80 set while down.
struct JoystickState {
    int x = 0;
    int y = 0;
    uint8_t buttons[8] = {};
};

// Handle of a loaded sound effect or music piece; negative means none.
using AudioHandle = int;

// The size of the frames the game presents, and its build's mode: the
// full-screen build starts full screen; a real window may be resized and
// switched between window and full screen by the player, and remembers both.
struct WindowOptions {
    int width = 640;
    int height = 480;
    bool fullScreen = false;
    const char* title = "Lanternfall";
};

class Backend {
public:
    virtual ~Backend() = default;

    // Window and presentation.
    virtual bool createWindow(const WindowOptions& options) = 0;
    virtual bool pollEvent(Event& event) = 0;
    // Shows a 640 x 480 frame of X8R8G8B8 pixels; false when presentation failed.
    virtual bool present(const uint32_t* pixels, int width, int height) = 0;
    // Caption "確認", the text as given (UTF-8), one OK button.
    virtual void messageBox(std::string_view text) = 0;

    // timeGetTime: milliseconds, wrapping at 2^32.
    virtual uint32_t timeGetTime() = 0;
    // Waits efficiently until timeGetTime() reaches ms or an event arrives.
    virtual void waitUntil(uint32_t ms) = 0;

    // Keyboard, read at the moment of the call.
    virtual bool keyDown(Key key) = 0;

    // The first joystick attached that opens. False when there is none.
    virtual bool openJoystick() = 0;
    virtual void closeJoystick() = 0;
    virtual bool joystickOpen() const = 0;
    virtual bool acquireJoystick() = 0;
    virtual void unacquireJoystick() = 0;
    // False when the joystick is not acquired or was lost; state is then untouched.
    virtual bool readJoystick(JoystickState& state) = 0;

    // Audio. openAudio never fails outright: with no device the backend runs silent.
    virtual void openAudio() = 0;
    virtual void closeAudio() = 0;
    virtual AudioHandle loadSound(const std::string& path, std::string* error) = 0;
    virtual AudioHandle loadMusic(const std::string& path, std::string* error) = 0;
    virtual void playSound(AudioHandle sound) = 0;   // overlaps whatever plays
    virtual void playMusic(AudioHandle music) = 0;   // loops for ever, replaces the old piece
    virtual void stopAllSound() = 0;
    virtual void freeAudio() = 0;                    // releases every loaded sound and piece

    // A cell of text the font has just drawn (UTF-8, top-left at x, y in the
    // current render target), for backends that keep a record of a run.
    virtual void textDrawn(std::string_view /*text*/, int /*x*/, int /*y*/, uint32_t /*argb*/) {}
};

// The wall-clock time in seconds that seeds the game's random generator.
// Headless runs fix it so that the same seed gives the same game.
std::time_t currentTime();
void setTimeOverride(std::time_t seconds);

// The backend in use. Set once at program start, before anything else runs.
Backend& backend();
void setBackend(Backend* backend);
// The backend in use, or null before one is set (tools and tests draw without one).
Backend* backendIfSet();

}  // namespace platform

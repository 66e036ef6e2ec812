// The one gamepad of the SDL backend, read the way the game's DirectInput
// device behaved: axes -100..100, eight buttons with bit 0x80, and reads that
// fail while the device is not acquired.
#pragma once

#include <SDL.h>

#include "platform/Backend.h"

namespace platform::sdl {

// SDL's -32768..32767 axis value as -100..100: exact at both ends and at 0,
// and symmetric (v and -v give opposite results).
int scaleAxis(int value);

class Joystick {
public:
    ~Joystick() { close(); }

    // Opens the first attached pad that opens (passing over the pad with
    // instance id skip); true when one is open.
    bool open(SDL_JoystickID skip = -1);
    void close();
    bool isOpen() const { return joystick_ != nullptr; }

    // A foreground-only device: acquisition fails while the window lacks focus.
    bool acquire(bool windowActive);
    void unacquire() { acquired_ = false; }

    // False when not acquired or the pad is gone; state is then untouched.
    bool read(JoystickState& state);

    // Hot-plugging: a pad attached while none is open is opened (and acquired
    // while the window has focus); removing the open pad closes it, and the
    // first other pad still attached that opens takes its place.
    void handleEvent(const SDL_Event& event, bool windowActive);

private:
    // Closes the lost pad and opens the next; true when one took its place.
    bool takeOver();
    void readController(JoystickState& state) const;
    void readJoystick(JoystickState& state) const;

    SDL_Joystick* joystick_ = nullptr;
    SDL_GameController* controller_ = nullptr;
    SDL_JoystickID instance_ = -1;
    bool acquired_ = false;
};

}  // namespace platform::sdl

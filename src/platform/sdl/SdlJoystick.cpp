// Gamepad reading for the SDL backend: a known game controller by its named
// buttons, anything else by its raw axes, hat and buttons.
#include "platform/sdl/SdlJoystick.h"

namespace platform::sdl {

int scaleAxis(int value)
{
    // Truncating division keeps the mapping symmetric; -32768 lands on -100 too.
    const int scaled = value * 100 / 32767;
    return scaled < -100 ? -100 : scaled > 100 ? 100 : scaled;
}

bool Joystick::open(SDL_JoystickID skip)
{
    if (joystick_) return true;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (skip >= 0 && SDL_JoystickGetDeviceInstanceID(i) == skip) continue;
        if (SDL_IsGameController(i)) {
            controller_ = SDL_GameControllerOpen(i);
            if (controller_) joystick_ = SDL_GameControllerGetJoystick(controller_);
        } else {
            joystick_ = SDL_JoystickOpen(i);
        }
        if (joystick_) {
            instance_ = SDL_JoystickInstanceID(joystick_);
            return true;
        }
        if (controller_) SDL_GameControllerClose(controller_);
        controller_ = nullptr;
    }
    return false;
}

void Joystick::close()
{
    if (controller_) SDL_GameControllerClose(controller_);
    else if (joystick_) SDL_JoystickClose(joystick_);
    controller_ = nullptr;
    joystick_ = nullptr;
    instance_ = -1;
    acquired_ = false;
}

bool Joystick::acquire(bool windowActive)
{
    if (!joystick_ || !windowActive || !SDL_JoystickGetAttached(joystick_)) return false;
    acquired_ = true;
    return true;
}

bool Joystick::read(JoystickState& state)
{
    if (!joystick_ || !acquired_) return false;
    SDL_JoystickUpdate();
    if (!SDL_JoystickGetAttached(joystick_)) {
        // The pad was pulled out; one still attached takes its place at once,
        // as acquired as the lost one was.
        if (!takeOver()) return false;
        SDL_JoystickUpdate();
    }
    JoystickState fresh;
    if (controller_) readController(fresh);
    else readJoystick(fresh);
    state = fresh;
    return true;
}

void Joystick::readController(JoystickState& state) const
{
    const auto button = [&](SDL_GameControllerButton b) {
        return SDL_GameControllerGetButton(controller_, b) != 0;
    };
    state.x = scaleAxis(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX));
    state.y = scaleAxis(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY));
    if (button(SDL_CONTROLLER_BUTTON_DPAD_LEFT)) state.x = -100;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) state.x = 100;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_UP)) state.y = -100;
    if (button(SDL_CONTROLLER_BUTTON_DPAD_DOWN)) state.y = 100;
    // The order a pad's face, shoulder and centre buttons have on a DirectInput pad.
    static constexpr SDL_GameControllerButton kButtons[8] = {
        SDL_CONTROLLER_BUTTON_A,        SDL_CONTROLLER_BUTTON_B,
        SDL_CONTROLLER_BUTTON_X,        SDL_CONTROLLER_BUTTON_Y,
        SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
        SDL_CONTROLLER_BUTTON_BACK,     SDL_CONTROLLER_BUTTON_START,
    };
    for (int i = 0; i < 8; ++i) state.buttons[i] = button(kButtons[i]) ? 0x80 : 0;
}

void Joystick::readJoystick(JoystickState& state) const
{
    if (SDL_JoystickNumAxes(joystick_) > 0) state.x = scaleAxis(SDL_JoystickGetAxis(joystick_, 0));
    if (SDL_JoystickNumAxes(joystick_) > 1) state.y = scaleAxis(SDL_JoystickGetAxis(joystick_, 1));
    if (SDL_JoystickNumHats(joystick_) > 0) {
        const Uint8 hat = SDL_JoystickGetHat(joystick_, 0);
        if (hat & SDL_HAT_LEFT) state.x = -100;
        if (hat & SDL_HAT_RIGHT) state.x = 100;
        if (hat & SDL_HAT_UP) state.y = -100;
        if (hat & SDL_HAT_DOWN) state.y = 100;
    }
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < 8 && i < buttons; ++i)
        state.buttons[i] = SDL_JoystickGetButton(joystick_, i) ? 0x80 : 0;
}

bool Joystick::takeOver()
{
    const SDL_JoystickID lost = instance_;
    const bool wasAcquired = acquired_;
    close();
    if (!open(lost)) return false;
    acquired_ = wasAcquired;
    return true;
}

void Joystick::handleEvent(const SDL_Event& event, bool windowActive)
{
    if (event.type == SDL_JOYDEVICEADDED && !joystick_) {
        if (open() && windowActive) acquired_ = true;
    } else if (event.type == SDL_JOYDEVICEREMOVED && joystick_ && event.jdevice.which == instance_) {
        if (takeOver() && windowActive) acquired_ = true;
    }
}

}  // namespace platform::sdl

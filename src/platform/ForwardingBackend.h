// A backend that hands every call to another one: the base of the backends
// that stand between the game and the real one to record or replay its input.
#pragma once

#include "platform/Backend.h"

namespace platform {

class ForwardingBackend : public Backend {
public:
    explicit ForwardingBackend(Backend& inner) : inner_(inner) {}

    bool createWindow(const WindowOptions& options) override { return inner_.createWindow(options); }
    bool pollEvent(Event& event) override { return inner_.pollEvent(event); }
    bool present(const uint32_t* pixels, int width, int height) override
    {
        return inner_.present(pixels, width, height);
    }
    void messageBox(std::string_view text) override { inner_.messageBox(text); }
    uint32_t timeGetTime() override { return inner_.timeGetTime(); }
    void waitUntil(uint32_t ms) override { inner_.waitUntil(ms); }
    bool keyDown(Key key) override { return inner_.keyDown(key); }
    bool openJoystick() override { return inner_.openJoystick(); }
    void closeJoystick() override { inner_.closeJoystick(); }
    bool joystickOpen() const override { return inner_.joystickOpen(); }
    bool acquireJoystick() override { return inner_.acquireJoystick(); }
    void unacquireJoystick() override { inner_.unacquireJoystick(); }
    bool readJoystick(JoystickState& state) override { return inner_.readJoystick(state); }
    void openAudio() override { inner_.openAudio(); }
    void closeAudio() override { inner_.closeAudio(); }
    AudioHandle loadSound(const std::string& path, std::string* error) override
    {
        return inner_.loadSound(path, error);
    }
    AudioHandle loadMusic(const std::string& path, std::string* error) override
    {
        return inner_.loadMusic(path, error);
    }
    void playSound(AudioHandle sound) override { inner_.playSound(sound); }
    void playMusic(AudioHandle music) override { inner_.playMusic(music); }
    void stopAllSound() override { inner_.stopAllSound(); }
    void freeAudio() override { inner_.freeAudio(); }
    void textDrawn(std::string_view text, int x, int y, uint32_t argb) override
    {
        inner_.textDrawn(text, x, y, argb);
    }

protected:
    Backend& inner_;
};

}  // namespace platform

// Plays recorded input to the game on a real backend: keys, pad and window
// events come from the replay's events through a scripted model, exactly as
// a headless run would give them, while the picture and sound are the real
// backend's. Live input does not reach the game: Escape or closing the window
// ends the playback, and while Tab is held the game's clock runs four times
// as fast.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ForwardingBackend.h"
#include "platform/InputScript.h"

namespace platform {

class PlaybackBackend : public ForwardingBackend {
public:
    // Plays events for frames presented frames, then closes the window.
    PlaybackBackend(Backend& live, std::vector<ScriptEvent> events, int frames);

    // Called after each present with the number of the frame just presented.
    void setFrameHook(std::function<void(int frame)> hook) { frameHook_ = std::move(hook); }
    // True once Escape or the window's close ended the playback early.
    bool stoppedByViewer() const { return stopped_; }

    bool createWindow(const WindowOptions& options) override;
    bool pollEvent(Event& event) override;
    bool present(const uint32_t* pixels, int width, int height) override;
    uint32_t timeGetTime() override;
    void waitUntil(uint32_t ms) override;
    bool keyDown(Key key) override { return model_.keyDown(key); }
    bool openJoystick() override { return model_.openJoystick(); }
    void closeJoystick() override { model_.closeJoystick(); }
    bool joystickOpen() const override { return model_.joystickOpen(); }
    bool acquireJoystick() override { return model_.acquireJoystick(); }
    void unacquireJoystick() override { model_.unacquireJoystick(); }
    bool readJoystick(JoystickState& state) override { return model_.readJoystick(state); }

    static constexpr uint32_t kFastForward = 4;

private:
    void setSpeed(uint32_t speed);

    HeadlessBackend model_;
    std::function<void(int)> frameHook_;
    bool stopped_ = false;
    // The game's clock runs speed_ times as fast as the live one from the
    // moment both read gameBase_ and liveBase_.
    uint32_t speed_ = 1;
    uint32_t gameBase_ = 0;
    uint32_t liveBase_ = 0;
};

}  // namespace platform

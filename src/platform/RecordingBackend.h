// Records what the game reads from the backend beneath it as events of the
// input script, frame by frame, so that a headless run of those events gives
// the game the same answers bit for bit.
//
// The game's input answers come from a scripted model (a headless backend)
// that only the recorded events drive; the live devices are sampled into it:
// each key when the game first reads it in a frame, the pad (open or not, and
// its state) at the game's first pad call of a frame or when a pad is plugged
// in or pulled out, and window events as they are polled. Within a frame the game therefore sees one state of each
// device, as a script gives it. Events polled after a step that presented
// nothing (the stage loading) wait for the next frame: a replay cannot place
// them between that step and the frame after it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ForwardingBackend.h"
#include "platform/InputScript.h"

namespace platform {

class RecordingBackend : public ForwardingBackend {
public:
    using Sink = std::function<void(const ScriptEvent&)>;

    // sink receives every event recorded, in order; steps counts the steps
    // the game has run.
    RecordingBackend(Backend& live, Sink sink, std::function<uint64_t()> steps);

    // Called after each present with the number of the frame just presented,
    // before the events that waited for the next frame are recorded.
    void setFrameHook(std::function<void(int frame)> hook) { frameHook_ = std::move(hook); }
    int framesPresented() const { return model_->framesPresented(); }

    bool createWindow(const WindowOptions& options) override;
    bool pollEvent(Event& event) override;
    bool present(const uint32_t* pixels, int width, int height) override;
    bool keyDown(Key key) override;
    bool openJoystick() override;
    void closeJoystick() override;
    bool joystickOpen() const override;
    bool acquireJoystick() override;
    void unacquireJoystick() override;
    bool readJoystick(JoystickState& state) override;

private:
    void record(ScriptEvent event) const;
    void samplePad() const;

    Sink sink_;
    std::function<uint64_t()> steps_;
    std::function<void(int)> frameHook_;
    // Held by pointer: sampling the pad on a const query changes the model.
    std::unique_ptr<HeadlessBackend> model_;
    uint64_t stepsAtPresent_ = 0;
    std::vector<ScriptEvent> waiting_;
    std::array<bool, static_cast<size_t>(Key::Count)> keySampled_{};
    mutable bool padSampled_ = false;
};

}  // namespace platform

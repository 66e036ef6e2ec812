// The recording backend: live input sampled into a scripted model, each
// change written down as the script event that makes it.
#include "platform/RecordingBackend.h"

#include <optional>

namespace platform {

namespace {

using Type = ScriptEvent::Type;

// The events a game acts on, as script events. Other keys' key-down events
// are not kept: the game acts on Escape's alone, and a key's state change
// makes its key-down event on playback.
std::optional<ScriptEvent> scriptEventFor(const Event& event)
{
    switch (event.type) {
    case EventType::Quit: return ScriptEvent{0, Type::Close, 0, 0};
    case EventType::Activate: return ScriptEvent{0, Type::Focus, 0, 1};
    case EventType::Deactivate: return ScriptEvent{0, Type::Focus, 0, 0};
    case EventType::KeyDown:
        if (event.key != Key::Escape) return std::nullopt;
        return ScriptEvent{0, Type::Press, static_cast<int>(Key::Escape), 0};
    case EventType::Paint: return std::nullopt;
    // The pad itself is sampled; the model reports the change from that.
    case EventType::DevicesChanged: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

RecordingBackend::RecordingBackend(Backend& live, Sink sink, std::function<uint64_t()> steps)
    : ForwardingBackend(live), sink_(std::move(sink)), steps_(std::move(steps)),
      model_(std::make_unique<HeadlessBackend>()), stepsAtPresent_(steps_ ? steps_() : 0)
{
}

void RecordingBackend::record(ScriptEvent event) const
{
    event.frame = model_->framesPresented();
    if (sink_) sink_(event);
    model_->applyEvent(event);
}

bool RecordingBackend::createWindow(const WindowOptions& options)
{
    if (!inner_.createWindow(options)) return false;
    // The model's window becomes active as a headless one does on playback.
    model_->createWindow(options);
    return true;
}

bool RecordingBackend::pollEvent(Event& event)
{
    const bool afterSilentStep = steps_ && steps_() != stepsAtPresent_;
    for (Event live; inner_.pollEvent(live);) {
        // A pad plugged in or pulled out is sampled at once, so that the game
        // hears of it before its next step, as it does on playback.
        if (live.type == EventType::DevicesChanged && !afterSilentStep) samplePad();
        std::optional<ScriptEvent> recorded = scriptEventFor(live);
        if (!recorded) continue;
        if (afterSilentStep) waiting_.push_back(*recorded);
        else record(*recorded);
    }
    return model_->pollEvent(event);
}

bool RecordingBackend::present(const uint32_t* pixels, int width, int height)
{
    // The frame counts whether or not the screen took it: the game made it.
    const bool shown = inner_.present(pixels, width, height);
    model_->nextFrame();
    stepsAtPresent_ = steps_ ? steps_() : 0;
    keySampled_.fill(false);
    padSampled_ = false;
    if (frameHook_) frameHook_(framesPresented() - 1);
    for (const ScriptEvent& event : waiting_)
        record(event);
    waiting_.clear();
    return shown;
}

bool RecordingBackend::keyDown(Key key)
{
    if (key >= Key::Count) return false;
    const size_t index = static_cast<size_t>(key);
    if (!keySampled_[index]) {
        keySampled_[index] = true;
        const bool live = inner_.keyDown(key);
        if (live != model_->keyDown(key)) record({0, Type::Key, static_cast<int>(key), live});
    }
    return model_->keyDown(key);
}

void RecordingBackend::samplePad() const
{
    if (padSampled_) return;
    padSampled_ = true;
    const bool liveOpen = inner_.joystickOpen();
    if (liveOpen != model_->joystickOpen()) record({0, Type::JoyAttach, 0, liveOpen});
    if (!liveOpen) return;
    JoystickState live;
    if (!inner_.readJoystick(live)) {
        if (model_->joystickOpen() && model_->joystickAcquired()) record({0, Type::JoyLost, 0, 0});
        return;
    }
    if (!model_->joystickAttached()) record({0, Type::JoyAttach, 0, 1});
    const JoystickState& held = model_->joystickState();
    if (live.x != held.x) record({0, Type::JoyAxis, 0, live.x});
    if (live.y != held.y) record({0, Type::JoyAxis, 1, live.y});
    for (int b = 0; b < 8; ++b) {
        const bool down = (live.buttons[b] & 0x80) != 0;
        if (down != ((held.buttons[b] & 0x80) != 0)) record({0, Type::JoyButton, b, down});
    }
}

bool RecordingBackend::openJoystick()
{
    samplePad();
    const bool live = inner_.openJoystick();
    if (live != model_->joystickAttached()) record({0, Type::JoyAttach, 0, live});
    return model_->openJoystick();
}

void RecordingBackend::closeJoystick()
{
    inner_.closeJoystick();
    model_->closeJoystick();
}

bool RecordingBackend::joystickOpen() const
{
    samplePad();
    return model_->joystickOpen();
}

bool RecordingBackend::acquireJoystick()
{
    samplePad();
    inner_.acquireJoystick();
    return model_->acquireJoystick();
}

void RecordingBackend::unacquireJoystick()
{
    inner_.unacquireJoystick();
    model_->unacquireJoystick();
}

bool RecordingBackend::readJoystick(JoystickState& state)
{
    samplePad();
    return model_->readJoystick(state);
}

}  // namespace platform

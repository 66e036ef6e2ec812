// The playback backend: the replay's events as the game's input, the live
// backend's window, sound and clock (sped up on request).
#include "platform/PlaybackBackend.h"

namespace platform {

PlaybackBackend::PlaybackBackend(Backend& live, std::vector<ScriptEvent> events, int frames)
    : ForwardingBackend(live)
{
    model_.setInputScript(std::move(events));
    model_.quitAfterFrames(frames);
    liveBase_ = gameBase_ = inner_.timeGetTime();
}

bool PlaybackBackend::createWindow(const WindowOptions& options)
{
    if (!inner_.createWindow(options)) return false;
    model_.createWindow(options);
    return true;
}

bool PlaybackBackend::pollEvent(Event& event)
{
    for (Event live; inner_.pollEvent(live);) {
        const bool ends = live.type == EventType::Quit || (live.type == EventType::KeyDown && live.key == Key::Escape);
        if (ends && !stopped_) {
            stopped_ = true;
            model_.postEvent({EventType::Quit});
        }
    }
    setSpeed(inner_.keyDown(Key::Tab) ? kFastForward : 1);
    return model_.pollEvent(event);
}

bool PlaybackBackend::present(const uint32_t* pixels, int width, int height)
{
    const bool shown = inner_.present(pixels, width, height);
    if (frameHook_) frameHook_(model_.framesPresented());
    model_.nextFrame();
    return shown;
}

uint32_t PlaybackBackend::timeGetTime() { return gameBase_ + (inner_.timeGetTime() - liveBase_) * speed_; }

void PlaybackBackend::setSpeed(uint32_t speed)
{
    if (speed == speed_) return;
    gameBase_ = timeGetTime();
    liveBase_ = inner_.timeGetTime();
    speed_ = speed;
}

void PlaybackBackend::waitUntil(uint32_t ms)
{
    const int32_t ahead = static_cast<int32_t>(ms - timeGetTime());
    if (ahead <= 0) return;
    inner_.waitUntil(inner_.timeGetTime() + (static_cast<uint32_t>(ahead) + speed_ - 1) / speed_);
}

}  // namespace platform

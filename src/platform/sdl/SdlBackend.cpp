// The SDL2 backend: the window's events, the millisecond clock, the keyboard
// and message boxes; the window, presentation, gamepad and audio live beside it.
#include "platform/SdlBackend.h"

#include <SDL.h>

#include <cstring>
#include <iostream>
#include <string>
#include <thread>

#include "platform/sdl/LibraryRandom.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlJoystick.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlPresenter.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

namespace {

template <typename Call>
auto inSdl(Call call)
{
    const sdl::LibraryRandom libraries;
    return call();
}

class SdlBackend : public Backend {
public:
    SdlBackend()
    {
        sdl::nameTheApplication();
        // Keep the pad's state current while the window is in the background;
        // the game itself takes no pad input then (the pad is unacquired).
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) != 0)
            std::cerr << "Lanternfall: no joystick support: " << SDL_GetError() << '\n';
    }

    ~SdlBackend() override
    {
        const sdl::LibraryRandom libraries;
        audio_.close();
        joystick_.close();
        presenter_.destroy();
        window_.destroy();
        SDL_Quit();
    }

    bool createWindow(const WindowOptions& options) override;
    bool pollEvent(Event& event) override;
    bool present(const uint32_t* pixels, int width, int height) override
    {
        const sdl::LibraryRandom libraries;
        return presenter_.present(pixels, width, height);
    }
    void messageBox(std::string_view text) override;

    uint32_t timeGetTime() override { return SDL_GetTicks(); }
    void waitUntil(uint32_t ms) override;

    bool keyDown(Key key) override { return sdl::keyIsDown(key); }

    // Calls that reach into SDL and the libraries under it run on their own
    // random sequence; reading the clock and the keys reaches no library.
    bool openJoystick() override { return inSdl([&] { return joystick_.open(); }); }
    void closeJoystick() override { inSdl([&] { joystick_.close(); }); }
    bool joystickOpen() const override { return joystick_.isOpen(); }
    bool acquireJoystick() override { return inSdl([&] { return joystick_.acquire(windowActive_); }); }
    void unacquireJoystick() override { inSdl([&] { joystick_.unacquire(); }); }
    bool readJoystick(JoystickState& state) override { return inSdl([&] { return joystick_.read(state); }); }

    void openAudio() override { inSdl([&] { audio_.open(); }); }
    void closeAudio() override { inSdl([&] { audio_.close(); }); }
    AudioHandle loadSound(const std::string& path, std::string* error) override
    {
        return inSdl([&] { return audio_.loadSound(path, error); });
    }
    AudioHandle loadMusic(const std::string& path, std::string* error) override
    {
        return inSdl([&] { return audio_.loadMusic(path, error); });
    }
    void playSound(AudioHandle sound) override { inSdl([&] { audio_.playSound(sound); }); }
    void playMusic(AudioHandle music) override { inSdl([&] { audio_.playMusic(music); }); }
    void stopAllSound() override { inSdl([&] { audio_.stopAll(); }); }
    void freeAudio() override { inSdl([&] { audio_.freeAll(); }); }

private:
    bool translate(const SDL_Event& in, Event& out);

    sdl::Window window_;
    bool windowActive_ = true;
    sdl::Presenter presenter_;
    sdl::Joystick joystick_;
    sdl::Audio audio_;
};

bool SdlBackend::createWindow(const WindowOptions& options)
{
    const sdl::LibraryRandom libraries;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::cerr << "Lanternfall: no video: " << SDL_GetError() << '\n';
        return false;
    }
    if (!window_.create(options)) return false;
    if (!presenter_.create(window_.handle())) {
        window_.destroy();
        return false;
    }
    window_.show();
    return true;
}

bool SdlBackend::translate(const SDL_Event& in, Event& out)
{
    switch (in.type) {
    case SDL_QUIT:
        out = {EventType::Quit};
        return true;
    case SDL_WINDOWEVENT:
        switch (in.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out = {EventType::Quit}; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            windowActive_ = true;
            out = {EventType::Activate};
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            windowActive_ = false;
            // A foreground-only device is taken away with the focus.
            joystick_.unacquire();
            out = {EventType::Deactivate};
            return true;
        case SDL_WINDOWEVENT_EXPOSED: out = {EventType::Paint}; return true;
        default: return false;
        }
    case SDL_KEYDOWN: {
        // The window's own keys are the desktop's business, never the game's.
        if (sdl::isFullScreenToggle(in.key)) {
            window_.setFullScreen(!window_.fullScreen());
            return false;
        }
        // Auto-repeat arrives as further key-downs, as the window system sends them.
        const Key key = sdl::keyFromEvent(in.key.keysym);
        if (key == Key::Count) return false;
        out = {EventType::KeyDown, key};
        return true;
    }
    case SDL_JOYDEVICEADDED:
    case SDL_JOYDEVICEREMOVED:
        joystick_.handleEvent(in, windowActive_);
        out = {EventType::DevicesChanged};
        return true;
    case SDL_RENDER_DEVICE_RESET:
        presenter_.dropTextures();
        return false;
    default:
        return false;
    }
}

bool SdlBackend::pollEvent(Event& event)
{
    const sdl::LibraryRandom libraries;
    SDL_Event in;
    while (SDL_PollEvent(&in)) {
        if (translate(in, event)) return true;
    }
    return false;
}

void SdlBackend::messageBox(std::string_view text)
{
    const sdl::LibraryRandom libraries;
    const std::string message(text);
    std::cerr << "確認: " << message << '\n';
    // The dummy video driver has no boxes, and SDL would otherwise try the
    // X11 one behind its back.
    const char* driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (driver && std::strcmp(driver, "dummy") == 0) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "確認", message.c_str(), window_.handle());
}

void SdlBackend::waitUntil(uint32_t ms)
{
    const sdl::LibraryRandom libraries;
    // Sleep through all but the last millisecond (an event ends the sleep
    // early), then yield until the moment: the game never burns a whole core
    // and steps still start on time.
    int32_t remaining = static_cast<int32_t>(ms - SDL_GetTicks());
    if (remaining > 1) SDL_WaitEventTimeout(nullptr, remaining - 1);
    while (static_cast<int32_t>(ms - SDL_GetTicks()) > 0) {
        SDL_PumpEvents();
        if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
        std::this_thread::yield();
    }
}

}  // namespace

std::unique_ptr<Backend> createSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace platform

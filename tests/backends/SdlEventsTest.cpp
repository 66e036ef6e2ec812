// SDL events as the game sees them, and the keys it maps.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "platform/SdlBackend.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlWindow.h"

using namespace platform;

namespace {

SDL_Event keyEvent(SDL_Keycode sym, SDL_Scancode scancode, bool repeat)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat;
    return e;
}

SDL_Event windowEvent(SDL_WindowEventID id)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = id;
    return e;
}

SDL_Event deviceEvent(Uint32 type)
{
    SDL_Event e{};
    e.type = type;
    e.jdevice.which = 99;  // no such pad
    return e;
}

std::vector<Event> pushAndPoll(Backend& backend, SDL_Event in)
{
    SDL_PushEvent(&in);
    std::vector<Event> out;
    for (Event e; backend.pollEvent(e);) out.push_back(e);
    return out;
}

}  // namespace

TEST(SdlKeys, LettersFollowTheLayoutOtherKeysTheirPlace)
{
    const struct {
        SDL_Keycode sym;
        SDL_Scancode scancode;
        Key key;
    } cases[] = {
        {SDLK_z, SDL_SCANCODE_Z, Key::Z},
        {SDLK_z, SDL_SCANCODE_Y, Key::Z},          // German layout: Z sits where Y is
        {SDLK_y, SDL_SCANCODE_Z, Key::Count},
        {SDLK_a, SDL_SCANCODE_Q, Key::A},          // French layout
        {SDLK_x, SDL_SCANCODE_X, Key::X},
        {SDLK_c, SDL_SCANCODE_C, Key::C},
        {SDLK_UP, SDL_SCANCODE_UP, Key::Up},
        {SDLK_LEFT, SDL_SCANCODE_LEFT, Key::Left},
        {SDLK_SPACE, SDL_SCANCODE_SPACE, Key::Space},
        {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, Key::Shift},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, Key::Shift},
        {SDLK_LCTRL, SDL_SCANCODE_LCTRL, Key::Ctrl},
        {SDLK_RCTRL, SDL_SCANCODE_RCTRL, Key::Ctrl},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, Key::Escape},
        {SDLK_q, SDL_SCANCODE_Q, Key::Count},
        {SDLK_RETURN, SDL_SCANCODE_RETURN, Key::Count},
    };
    for (const auto& c : cases) {
        SDL_Keysym keysym{};
        keysym.sym = c.sym;
        keysym.scancode = c.scancode;
        EXPECT_EQ(sdl::keyFromEvent(keysym), c.key) << SDL_GetKeyName(c.sym);
    }
    EXPECT_FALSE(sdl::keyIsDown(Key::Count));
}

TEST(SdlEvents, WindowAndKeyEventsBecomeGameEvents)
{
    auto backend = createSdlBackend();
    const struct {
        SDL_Event in;
        std::vector<EventType> out;
    } cases[] = {
        {keyEvent(SDLK_z, SDL_SCANCODE_Z, false), {EventType::KeyDown}},
        {keyEvent(SDLK_z, SDL_SCANCODE_Z, true), {EventType::KeyDown}},  // auto-repeat too
        {keyEvent(SDLK_q, SDL_SCANCODE_Q, false), {}},
        {windowEvent(SDL_WINDOWEVENT_CLOSE), {EventType::Quit}},
        {windowEvent(SDL_WINDOWEVENT_EXPOSED), {EventType::Paint}},
        {windowEvent(SDL_WINDOWEVENT_MOVED), {}},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), {EventType::Deactivate}},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), {EventType::Activate}},
        {keyEvent(SDLK_F11, SDL_SCANCODE_F11, false), {}},  // the window's key, even with no window
        {deviceEvent(SDL_JOYDEVICEADDED), {EventType::DevicesChanged}},
        {deviceEvent(SDL_JOYDEVICEREMOVED), {EventType::DevicesChanged}},
    };
    for (const auto& c : cases) {
        std::vector<EventType> types;
        for (const Event& e : pushAndPoll(*backend, c.in)) types.push_back(e.type);
        EXPECT_EQ(types, c.out) << c.in.type << "/" << int(c.in.window.event);
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const std::vector<Event> events = pushAndPoll(*backend, quit);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::Quit);
}

TEST(SdlEvents, F11AndAltEnterSwitchFullScreenOncePerPress)
{
    const struct {
        SDL_Keycode sym;
        Uint16 mod;
        bool repeat, toggles;
    } cases[] = {
        {SDLK_F11, KMOD_NONE, false, true},       {SDLK_F11, KMOD_NONE, true, false},  // held: no flicker
        {SDLK_RETURN, KMOD_LALT, false, true},    {SDLK_KP_ENTER, KMOD_RALT, false, true},
        {SDLK_RETURN, KMOD_NONE, false, false},   {SDLK_RETURN, KMOD_LCTRL, false, false},
    };
    for (const auto& c : cases) {
        SDL_Event e = keyEvent(c.sym, SDL_GetScancodeFromKey(c.sym), c.repeat);
        e.key.keysym.mod = c.mod;
        EXPECT_EQ(sdl::isFullScreenToggle(e.key), c.toggles) << SDL_GetKeyName(c.sym) << " mod " << c.mod;
    }
}

TEST(SdlEvents, PadIsTakenAwayWithTheFocus)
{
    auto backend = createSdlBackend();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_TRUE(backend->openJoystick());
    ASSERT_TRUE(backend->acquireJoystick());
    JoystickState state;
    EXPECT_TRUE(backend->readJoystick(state));

    pushAndPoll(*backend, windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_FALSE(backend->readJoystick(state));
    EXPECT_FALSE(backend->acquireJoystick());  // no focus, no device
    pushAndPoll(*backend, windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_TRUE(backend->acquireJoystick());
    EXPECT_TRUE(backend->readJoystick(state));
    backend->closeJoystick();
    SDL_JoystickDetachVirtual(index);
}

// The SDL gamepad through SDL's own virtual joysticks: scaling, D-pad,
// controller button order, hot-plugging and acquisition.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>

#include "platform/SdlBackend.h"
#include "platform/sdl/SdlJoystick.h"

using namespace platform;

namespace {

// A virtual pad the test can move; SDL opens it for the backend as well.
struct VirtualPad {
    int index = -1;
    SDL_Joystick* handle = nullptr;

    VirtualPad(SDL_JoystickType type, int axes, int buttons, int hats)
    {
        index = SDL_JoystickAttachVirtual(type, axes, buttons, hats);
        if (index >= 0) handle = SDL_JoystickOpen(index);
    }
    ~VirtualPad()
    {
        // Device indices shift as pads go; the instance id stays.
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle);
        if (handle) SDL_JoystickClose(handle);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
};

void drain(Backend& backend)
{
    for (Event e; backend.pollEvent(e);) {
    }
}

}  // namespace

TEST(SdlJoystick, AxisScaleIsExactAtTheEndsAndSymmetric)
{
    const struct {
        int in, out;
    } cases[] = {
        {-32768, -100}, {-32767, -100}, {-16384, -50}, {-328, -1}, {-327, 0}, {-1, 0}, {0, 0},
        {1, 0},         {327, 0},       {328, 1},      {16384, 50}, {32766, 99}, {32767, 100},
    };
    for (const auto& c : cases) EXPECT_EQ(sdl::scaleAxis(c.in), c.out) << c.in;
    for (int v = 1; v <= 32767; v += 97) ASSERT_EQ(sdl::scaleAxis(-v), -sdl::scaleAxis(v)) << v;
}

TEST(SdlJoystick, RawPadReadsAxesHatAndButtonsThroughSdl)
{
    auto backend = createSdlBackend();
    VirtualPad pad(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 10, 1);
    ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
    ASSERT_FALSE(SDL_IsGameController(pad.index));
    ASSERT_TRUE(backend->openJoystick());
    ASSERT_TRUE(backend->acquireJoystick());

    const struct {
        Sint16 x, y;
        Uint8 hat;
        int expectX, expectY;
    } cases[] = {
        {-32768, 32767, SDL_HAT_CENTERED, -100, 100},
        {-1, 1, SDL_HAT_CENTERED, 0, 0},
        {328, -328, SDL_HAT_CENTERED, 1, -1},
        {0, 0, SDL_HAT_LEFTUP, -100, -100},
        {-20000, 5000, SDL_HAT_RIGHT, 100, 15},  // the hat wins on its own axis only
        {0, 0, SDL_HAT_DOWN, 0, 100},
    };
    for (const auto& c : cases) {
        SDL_JoystickSetVirtualAxis(pad.handle, 0, c.x);
        SDL_JoystickSetVirtualAxis(pad.handle, 1, c.y);
        SDL_JoystickSetVirtualHat(pad.handle, 0, c.hat);
        JoystickState state;
        ASSERT_TRUE(backend->readJoystick(state));
        EXPECT_EQ(state.x, c.expectX) << c.x;
        EXPECT_EQ(state.y, c.expectY) << c.y;
    }

    // Raw buttons 0-7 in order, 8 and 9 unused; down means bit 0x80.
    SDL_JoystickSetVirtualButton(pad.handle, 0, 1);
    SDL_JoystickSetVirtualButton(pad.handle, 7, 1);
    SDL_JoystickSetVirtualButton(pad.handle, 8, 1);
    JoystickState state;
    ASSERT_TRUE(backend->readJoystick(state));
    const uint8_t expected[8] = {0x80, 0, 0, 0, 0, 0, 0, 0x80};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(state.buttons[i], expected[i]) << i;
}

TEST(SdlJoystick, ControllerButtonsComeInFaceShoulderCentreOrder)
{
    auto backend = createSdlBackend();
    // Buttons in SDL's controller order, so the mapping below reads easily.
    VirtualPad pad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 15, 0);
    ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
    char guid[64];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(pad.handle), guid, sizeof guid);
    const std::string mapping = std::string(guid) +
        ",Test Pad,a:b0,b:b1,x:b2,y:b3,back:b4,guide:b5,start:b6,leftstick:b7,rightstick:b8,"
        "leftshoulder:b9,rightshoulder:b10,dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,";
    ASSERT_GE(SDL_GameControllerAddMapping(mapping.c_str()), 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(pad.index));
    ASSERT_TRUE(backend->openJoystick());
    ASSERT_TRUE(backend->acquireJoystick());

    // Raw button -> the game's button number.
    const struct {
        int raw, game;
    } buttons[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {9, 4}, {10, 5}, {4, 6}, {6, 7}, {5, -1}, {7, -1}};
    for (const auto& b : buttons) {
        SDL_JoystickSetVirtualButton(pad.handle, b.raw, 1);
        JoystickState state;
        ASSERT_TRUE(backend->readJoystick(state));
        for (int i = 0; i < 8; ++i) EXPECT_EQ(state.buttons[i], i == b.game ? 0x80 : 0) << "raw " << b.raw;
        SDL_JoystickSetVirtualButton(pad.handle, b.raw, 0);
    }

    // The D-pad drives the axes over the stick.
    const struct {
        int button, x, y;
    } dpad[] = {{11, 0, -100}, {12, 0, 100}, {13, -100, 0}, {14, 100, 0}};
    SDL_JoystickSetVirtualAxis(pad.handle, 0, 0);
    SDL_JoystickSetVirtualAxis(pad.handle, 1, 0);
    for (const auto& d : dpad) {
        SDL_JoystickSetVirtualButton(pad.handle, d.button, 1);
        JoystickState state;
        ASSERT_TRUE(backend->readJoystick(state));
        EXPECT_EQ(state.x, d.x) << d.button;
        EXPECT_EQ(state.y, d.y) << d.button;
        SDL_JoystickSetVirtualButton(pad.handle, d.button, 0);
    }
    SDL_JoystickSetVirtualAxis(pad.handle, 0, 32767);
    SDL_JoystickSetVirtualAxis(pad.handle, 1, -32768);
    JoystickState state;
    ASSERT_TRUE(backend->readJoystick(state));
    EXPECT_EQ(state.x, 100);
    EXPECT_EQ(state.y, -100);
}

TEST(SdlJoystick, ReadsFailUnlessAcquired)
{
    auto backend = createSdlBackend();
    VirtualPad pad(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
    ASSERT_NE(pad.handle, nullptr);
    JoystickState state;
    EXPECT_FALSE(backend->readJoystick(state));  // not even open
    ASSERT_TRUE(backend->openJoystick());
    SDL_JoystickSetVirtualAxis(pad.handle, 0, 32767);
    state.x = 42;
    EXPECT_FALSE(backend->readJoystick(state));  // open but not acquired
    EXPECT_EQ(state.x, 42);
    ASSERT_TRUE(backend->acquireJoystick());
    ASSERT_TRUE(backend->readJoystick(state));
    EXPECT_EQ(state.x, 100);
    backend->unacquireJoystick();
    EXPECT_FALSE(backend->readJoystick(state));
    backend->closeJoystick();
    EXPECT_FALSE(backend->joystickOpen());
    EXPECT_FALSE(backend->acquireJoystick());
}

TEST(SdlJoystick, FirstPadIsUsedAndPlugInIsPickedUp)
{
    auto backend = createSdlBackend();
    EXPECT_FALSE(backend->openJoystick());
    {
        auto first = std::make_unique<VirtualPad>(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
        auto second = std::make_unique<VirtualPad>(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
        SDL_JoystickSetVirtualAxis(first->handle, 0, -32768);
        SDL_JoystickSetVirtualAxis(second->handle, 0, 32767);
        drain(*backend);                              // the plug-in event opens a pad
        ASSERT_TRUE(backend->joystickOpen());
        JoystickState state;
        ASSERT_TRUE(backend->readJoystick(state));    // acquired: the window has focus
        EXPECT_EQ(state.x, -100);

        first.reset();                                // the open pad is pulled out
        drain(*backend);
        ASSERT_TRUE(backend->joystickOpen()) << "the pad still attached takes over";
        ASSERT_TRUE(backend->readJoystick(state));
        EXPECT_EQ(state.x, 100);
        second.reset();
        drain(*backend);
        EXPECT_FALSE(backend->joystickOpen());
        EXPECT_FALSE(backend->readJoystick(state));
    }
    drain(*backend);
    VirtualPad again(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
    SDL_JoystickSetVirtualAxis(again.handle, 1, 32767);
    drain(*backend);
    JoystickState state;
    ASSERT_TRUE(backend->readJoystick(state));
    EXPECT_EQ(state.y, 100);
}

TEST(SdlJoystick, AReadThatFindsItsPadGoneMovesToTheNextAtOnce)
{
    auto backend = createSdlBackend();
    auto first = std::make_unique<VirtualPad>(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
    VirtualPad second(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 8, 0);
    SDL_JoystickSetVirtualAxis(second.handle, 1, -32768);
    ASSERT_TRUE(backend->openJoystick());
    ASSERT_TRUE(backend->acquireJoystick());
    JoystickState state;
    ASSERT_TRUE(backend->readJoystick(state));
    EXPECT_EQ(state.y, 0);

    first.reset();  // pulled out, and no event handled yet
    ASSERT_TRUE(backend->readJoystick(state)) << "the second pad answers the same read";
    EXPECT_EQ(state.y, -100);
    drain(*backend);  // the removal event of the first pad changes nothing now
    ASSERT_TRUE(backend->readJoystick(state));
    EXPECT_EQ(state.y, -100);
}

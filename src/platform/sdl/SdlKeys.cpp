// Keyboard mapping. Letters follow the layout (the key that types Z is Z, as
// a virtual-key code is); the other keys are fixed positions.
#include "platform/sdl/SdlKeys.h"

namespace platform::sdl {

namespace {

struct KeyRow {
    Key key;
    SDL_Keycode code;        // for letters; 0 for the others
    SDL_Scancode scancode;
    SDL_Scancode otherSide;  // the right-hand Shift or Ctrl
};

constexpr KeyRow kKeys[] = {
    {Key::Up, 0, SDL_SCANCODE_UP, SDL_SCANCODE_UNKNOWN},
    {Key::Down, 0, SDL_SCANCODE_DOWN, SDL_SCANCODE_UNKNOWN},
    {Key::Left, 0, SDL_SCANCODE_LEFT, SDL_SCANCODE_UNKNOWN},
    {Key::Right, 0, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UNKNOWN},
    {Key::Z, SDLK_z, SDL_SCANCODE_Z, SDL_SCANCODE_UNKNOWN},
    {Key::X, SDLK_x, SDL_SCANCODE_X, SDL_SCANCODE_UNKNOWN},
    {Key::C, SDLK_c, SDL_SCANCODE_C, SDL_SCANCODE_UNKNOWN},
    {Key::A, SDLK_a, SDL_SCANCODE_A, SDL_SCANCODE_UNKNOWN},
    {Key::Space, 0, SDL_SCANCODE_SPACE, SDL_SCANCODE_UNKNOWN},
    {Key::Shift, 0, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT},
    {Key::Ctrl, 0, SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL},
    {Key::Escape, 0, SDL_SCANCODE_ESCAPE, SDL_SCANCODE_UNKNOWN},
    {Key::Tab, 0, SDL_SCANCODE_TAB, SDL_SCANCODE_UNKNOWN},
};
static_assert(std::size(kKeys) == static_cast<size_t>(Key::Count));

}  // namespace

bool keyIsDown(Key key)
{
    if (key >= Key::Count) return false;
    const KeyRow& row = kKeys[static_cast<size_t>(key)];
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    const auto down = [&](SDL_Scancode s) { return s != SDL_SCANCODE_UNKNOWN && s < count && state[s]; };
    if (row.code != 0) {
        const SDL_Scancode s = SDL_GetScancodeFromKey(row.code);
        return down(s != SDL_SCANCODE_UNKNOWN ? s : row.scancode);
    }
    return down(row.scancode) || down(row.otherSide);
}

Key keyFromEvent(const SDL_Keysym& keysym)
{
    for (const KeyRow& row : kKeys) {
        if (row.code != 0 ? keysym.sym == row.code
                          : keysym.scancode == row.scancode || keysym.scancode == row.otherSide)
            return row.key;
    }
    return Key::Count;
}

}  // namespace platform::sdl

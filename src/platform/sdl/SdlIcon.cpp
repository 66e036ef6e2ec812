// The window's icon: the PNG decoded as the game's textures are, handed to
// the window as a straight-alpha ARGB surface.
#include "platform/sdl/SdlIcon.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Device.h"

namespace platform::sdl {

void setWindowIcon(SDL_Window* window, const char* path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << path << ": no window icon: the file cannot be opened\n";
        return;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::string error;
    std::unique_ptr<Texture> icon = createTextureFromFileInMemory(bytes.data(), bytes.size(), 0, &error);
    if (!icon) {
        std::cerr << path << ": no window icon: " << error << '\n';
        return;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels(), icon->width(), icon->height(), 32,
                                                              icon->width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        std::cerr << path << ": no window icon: " << SDL_GetError() << '\n';
        return;
    }
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

}  // namespace platform::sdl

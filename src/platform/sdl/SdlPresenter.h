// Putting the game's 640 x 480 frames on the screen: as they are in a window,
// or scaled to a full-screen desktop with the aspect ratio kept.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace platform::sdl {

// Where a frame goes on an output: the largest integer multiple that fits
// (0 when even 1x does not) and the centred rectangle of the largest size
// that keeps the aspect ratio; the rest is black bars.
struct Letterbox {
    int integerScale = 0;
    SDL_Rect dest = {0, 0, 0, 0};
};
Letterbox computeLetterbox(int outputWidth, int outputHeight, int frameWidth, int frameHeight);

class Presenter {
public:
    ~Presenter() { destroy(); }

    bool create(SDL_Window* window);
    void destroy();
    // False when the frame could not be shown.
    bool present(const uint32_t* pixels, int width, int height);
    // After the renderer lost its device every texture has to be made again.
    void dropTextures();

private:
    bool ensureTextures(int width, int height, int sharpScale);

    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* frame_ = nullptr;  // the frame as presented
    SDL_Texture* sharp_ = nullptr;  // the frame at its integer multiple
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    int sharpScale_ = 0;
};

}  // namespace platform::sdl

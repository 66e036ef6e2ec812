// Putting the game's 640 x 480 frames on the screen, letterboxed into
// whatever size the window has, waiting for the vertical blank where the
// renderer can.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/FrameScaler.h"

namespace platform::sdl {

// Where a frame goes on an output: the centred rectangle of the largest size
// that keeps the aspect ratio; the rest is black bars.
SDL_Rect computeLetterbox(int outputWidth, int outputHeight, int frameWidth, int frameHeight);

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
    bool ensureTexture(int width, int height);
    void fillBars(int outputWidth, int outputHeight, const SDL_Rect& dest);

    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;  // the frame at the size it is shown at
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    FrameScaler scaler_;
};

}  // namespace platform::sdl

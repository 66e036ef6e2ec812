// Frame presentation: nearest-neighbour scaling up to the largest integer
// multiple keeps pixels sharp; one linear step from there fills the height.
#include "platform/sdl/SdlPresenter.h"

#include <algorithm>
#include <iostream>

namespace platform::sdl {

Letterbox computeLetterbox(int outputWidth, int outputHeight, int frameWidth, int frameHeight)
{
    Letterbox box;
    if (outputWidth <= 0 || outputHeight <= 0 || frameWidth <= 0 || frameHeight <= 0) return box;
    box.integerScale = std::min(outputWidth / frameWidth, outputHeight / frameHeight);
    // Compare outputWidth / frameWidth with outputHeight / frameHeight exactly.
    int64_t width = outputWidth;
    int64_t height = outputHeight;
    if (int64_t(outputWidth) * frameHeight > int64_t(outputHeight) * frameWidth)
        width = (int64_t(outputHeight) * frameWidth + frameHeight / 2) / frameHeight;
    else
        height = (int64_t(outputWidth) * frameHeight + frameWidth / 2) / frameWidth;
    box.dest = {static_cast<int>((outputWidth - width) / 2), static_cast<int>((outputHeight - height) / 2),
                static_cast<int>(width), static_cast<int>(height)};
    return box;
}

bool Presenter::create(SDL_Window* window)
{
    destroy();
    renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window, -1, 0);
    if (!renderer_) {
        std::cerr << "Lanternfall: cannot create a renderer: " << SDL_GetError() << '\n';
        return false;
    }
    return true;
}

void Presenter::dropTextures()
{
    if (sharp_) SDL_DestroyTexture(sharp_);
    if (frame_) SDL_DestroyTexture(frame_);
    sharp_ = nullptr;
    frame_ = nullptr;
    frameWidth_ = frameHeight_ = sharpScale_ = 0;
}

void Presenter::destroy()
{
    dropTextures();
    if (renderer_) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
}

bool Presenter::ensureTextures(int width, int height, int sharpScale)
{
    if (!frame_ || frameWidth_ != width || frameHeight_ != height) {
        dropTextures();
        frame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!frame_) return false;
        frameWidth_ = width;
        frameHeight_ = height;
    }
    if (sharpScale != sharpScale_) {
        if (sharp_) SDL_DestroyTexture(sharp_);
        sharp_ = nullptr;
        sharpScale_ = 0;
        if (sharpScale > 1 && SDL_RenderTargetSupported(renderer_)) {
            sharp_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                       width * sharpScale, height * sharpScale);
            if (sharp_) {
                SDL_SetTextureScaleMode(sharp_, SDL_ScaleModeLinear);
                sharpScale_ = sharpScale;
            }
        }
    }
    return true;
}

bool Presenter::present(const uint32_t* pixels, int width, int height)
{
    if (!renderer_ || !pixels || width <= 0 || height <= 0) return false;
    int outputWidth = 0, outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return false;
    const Letterbox box = computeLetterbox(outputWidth, outputHeight, width, height);
    const bool exactMultiple = box.dest.w == width * box.integerScale && box.dest.h == height * box.integerScale;
    // The middle step is needed only when the integer multiple still falls short.
    if (!ensureTextures(width, height, exactMultiple ? 0 : box.integerScale)) return false;
    if (SDL_UpdateTexture(frame_, nullptr, pixels, width * 4) != 0) return false;

    bool ok = SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255) == 0 && SDL_RenderClear(renderer_) == 0;
    if (sharp_) {
        SDL_SetTextureScaleMode(frame_, SDL_ScaleModeNearest);
        ok = ok && SDL_SetRenderTarget(renderer_, sharp_) == 0 && SDL_RenderCopy(renderer_, frame_, nullptr, nullptr) == 0;
        ok = SDL_SetRenderTarget(renderer_, nullptr) == 0 && ok;
        ok = ok && SDL_RenderCopy(renderer_, sharp_, nullptr, &box.dest) == 0;
    } else {
        // An exact multiple (1x in a window) stays sharp; an output smaller
        // than the frame, or no render targets, gets one smooth step.
        SDL_SetTextureScaleMode(frame_, exactMultiple ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        ok = ok && SDL_RenderCopy(renderer_, frame_, nullptr, &box.dest) == 0;
    }
    SDL_RenderPresent(renderer_);
    return ok;
}

}  // namespace platform::sdl

// Frame presentation: the game's frame is scaled by our own code (sharp up to
// the largest integer multiple, one smooth step for the rest) straight into
// one streaming texture of the final size, which the renderer copies 1:1.
#include "platform/sdl/SdlPresenter.h"

#include <cstdint>
#include <cstring>
#include <iostream>

namespace platform::sdl {

namespace {

// Mesa's software rasterisers call themselves accelerated OpenGL, yet draw
// every pixel on the CPU and then send the picture to the display server as
// well. SDL's software renderer over the window system's own framebuffer does
// the same job for a fraction of the time.
bool drawsOnTheCpu(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned kGlRenderer = 0x1F01;
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    if (!name) return false;
    const char* text = reinterpret_cast<const char*>(name);
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(text, software)) return true;
    return false;
}

}  // namespace

SDL_Rect computeLetterbox(int outputWidth, int outputHeight, int frameWidth, int frameHeight)
{
    if (outputWidth <= 0 || outputHeight <= 0 || frameWidth <= 0 || frameHeight <= 0) return {0, 0, 0, 0};
    // Compare outputWidth / frameWidth with outputHeight / frameHeight exactly.
    int64_t width = outputWidth;
    int64_t height = outputHeight;
    if (int64_t(outputWidth) * frameHeight > int64_t(outputHeight) * frameWidth)
        width = (int64_t(outputHeight) * frameWidth + frameHeight / 2) / frameHeight;
    else
        height = (int64_t(outputWidth) * frameHeight + frameWidth / 2) / frameWidth;
    return {static_cast<int>((outputWidth - width) / 2), static_cast<int>((outputHeight - height) / 2),
            static_cast<int>(width), static_cast<int>(height)};
}

bool Presenter::create(SDL_Window* window)
{
    destroy();
    renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    // A renderer the player chose by SDL_RENDER_DRIVER is kept as it is.
    if (renderer_ && !SDL_GetHint(SDL_HINT_RENDER_DRIVER) && drawsOnTheCpu(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (!renderer_) {
        // Without this the software renderer's picture would go through the
        // same OpenGL rasteriser on its way to the window.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!renderer_) {
        std::cerr << "Lanternfall: cannot create a renderer: " << SDL_GetError() << '\n';
        return false;
    }
    return true;
}

void Presenter::dropTextures()
{
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    textureWidth_ = textureHeight_ = 0;
}

void Presenter::destroy()
{
    dropTextures();
    if (renderer_) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
}

bool Presenter::ensureTexture(int width, int height)
{
    if (texture_ && textureWidth_ == width && textureHeight_ == height) return true;
    dropTextures();
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) return false;
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    textureWidth_ = width;
    textureHeight_ = height;
    return true;
}

// Only the bars around the picture are painted black: clearing the whole
// output first would write every pixel twice.
void Presenter::fillBars(int outputWidth, int outputHeight, const SDL_Rect& dest)
{
    const SDL_Rect bars[4] = {
        {0, 0, outputWidth, dest.y},
        {0, dest.y + dest.h, outputWidth, outputHeight - dest.y - dest.h},
        {0, dest.y, dest.x, dest.h},
        {dest.x + dest.w, dest.y, outputWidth - dest.x - dest.w, dest.h},
    };
    SDL_Rect drawn[4];
    int count = 0;
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) drawn[count++] = bar;
    if (count == 0) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderFillRects(renderer_, drawn, count);
}

bool Presenter::present(const uint32_t* pixels, int width, int height)
{
    if (!renderer_ || !pixels || width <= 0 || height <= 0) return false;
    int outputWidth = 0, outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return false;
    const SDL_Rect dest = computeLetterbox(outputWidth, outputHeight, width, height);
    if (dest.w <= 0 || dest.h <= 0) {
        SDL_RenderPresent(renderer_);
        return true;
    }
    if (!ensureTexture(dest.w, dest.h)) return false;
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &locked, &pitch) != 0) return false;
    scaler_.scale(pixels, width, height, static_cast<uint32_t*>(locked), pitch / 4, dest.w, dest.h);
    SDL_UnlockTexture(texture_);
    fillBars(outputWidth, outputHeight, dest);
    const bool ok = SDL_RenderCopy(renderer_, texture_, nullptr, &dest) == 0;
    SDL_RenderPresent(renderer_);
    return ok;
}

}  // namespace platform::sdl

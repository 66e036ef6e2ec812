// Presentation geometry, frames through SDL's software renderer, and the clock.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <vector>

#include "platform/SdlBackend.h"
#include "platform/sdl/SdlPresenter.h"

using namespace platform;

TEST(SdlPresent, LetterboxKeepsTheAspectAndFindsTheIntegerMultiple)
{
    const struct {
        int w, h, scale;
        SDL_Rect dest;
    } cases[] = {
        {640, 480, 1, {0, 0, 640, 480}},
        {1280, 960, 2, {0, 0, 1280, 960}},
        {1920, 1080, 2, {240, 0, 1440, 1080}},
        {2560, 1080, 2, {560, 0, 1440, 1080}},    // ultra-wide: bars left and right
        {1280, 1024, 2, {0, 32, 1280, 960}},      // 5:4: bars top and bottom
        {1366, 768, 1, {171, 0, 1024, 768}},
        {3840, 2160, 4, {480, 0, 2880, 2160}},
        {320, 240, 0, {0, 0, 320, 240}},          // smaller than the frame
        {0, 0, 0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const sdl::Letterbox box = sdl::computeLetterbox(c.w, c.h, 640, 480);
        EXPECT_EQ(box.integerScale, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ((std::vector<int>{box.dest.x, box.dest.y, box.dest.w, box.dest.h}),
                  (std::vector<int>{c.dest.x, c.dest.y, c.dest.w, c.dest.h}))
            << c.w << "x" << c.h;
    }
}

TEST(SdlPresent, WindowShowsTheFrameAsItIs)
{
    // The software renderer draws into the dummy window's surface, which can be read back.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 640, 480, 0);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    {
        sdl::Presenter presenter;
        ASSERT_TRUE(presenter.create(window));
        std::vector<uint32_t> frame(640 * 480);
        for (size_t i = 0; i < frame.size(); ++i) frame[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
        frame[0] = 0x00FF0000u;  // the unused top byte does not matter
        ASSERT_TRUE(presenter.present(frame.data(), 640, 480));
        SDL_Surface* shown = SDL_GetWindowSurface(window);
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->w, 640);
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_RGB888, 0);
        ASSERT_NE(rgb, nullptr);
        int wrong = 0;
        for (int y = 0; y < 480; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
            for (int x = 0; x < 640; ++x) wrong += (row[x] & 0xFFFFFF) != (frame[y * 640 + x] & 0xFFFFFF);
        }
        EXPECT_EQ(wrong, 0);
        SDL_FreeSurface(rgb);
        EXPECT_FALSE(presenter.present(nullptr, 640, 480));
    }
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(SdlClock, WaitReachesTheMomentAndNeverWaitsForThePast)
{
    auto backend = createSdlBackend();
    const uint32_t start = backend->timeGetTime();
    backend->waitUntil(start - 1000);  // long past: back at once
    backend->waitUntil(start + 3);
    EXPECT_GE(static_cast<int32_t>(backend->timeGetTime() - (start + 3)), 0);
    EXPECT_LT(static_cast<int32_t>(backend->timeGetTime() - start), 500);
}

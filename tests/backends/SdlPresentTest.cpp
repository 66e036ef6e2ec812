// Presentation geometry, frames through SDL's software renderer, and the clock.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <vector>

#include "platform/FrameScaler.h"
#include "platform/SdlBackend.h"
#include "platform/sdl/SdlPresenter.h"

using namespace platform;

TEST(SdlPresent, LetterboxKeepsTheAspect)
{
    const struct {
        int w, h;
        SDL_Rect dest;
    } cases[] = {
        {640, 480, {0, 0, 640, 480}},
        {1280, 960, {0, 0, 1280, 960}},
        {1920, 1080, {240, 0, 1440, 1080}},
        {2560, 1080, {560, 0, 1440, 1080}},    // ultra-wide: bars left and right
        {1280, 1024, {0, 32, 1280, 960}},      // 5:4: bars top and bottom
        {1366, 768, {171, 0, 1024, 768}},
        {3840, 2160, {480, 0, 2880, 2160}},
        {320, 240, {0, 0, 320, 240}},          // smaller than the frame
        {0, 0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const SDL_Rect dest = sdl::computeLetterbox(c.w, c.h, 640, 480);
        EXPECT_EQ((std::vector<int>{dest.x, dest.y, dest.w, dest.h}),
                  (std::vector<int>{c.dest.x, c.dest.y, c.dest.w, c.dest.h}))
            << c.w << "x" << c.h;
    }
}

TEST(SdlPresent, WindowShowsTheScaledFrameBetweenBlackBars)
{
    // The software renderer draws into the dummy window's surface, which can be read back.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    std::vector<uint32_t> frame(640 * 480);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
    frame[0] = 0x00FF0000u;  // the unused top byte does not matter
    const struct {
        int w, h;
    } windows[] = {{640, 480}, {800, 500}, {700, 600}};
    for (const auto& size : windows) {
        SCOPED_TRACE(testing::Message() << size.w << "x" << size.h);
        SDL_Window* window = SDL_CreateWindow("t", 0, 0, size.w, size.h, 0);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        {
            sdl::Presenter presenter;
            ASSERT_TRUE(presenter.create(window));
            SDL_FillRect(SDL_GetWindowSurface(window), nullptr, 0xFFFFFFFF);  // whatever was there before
            ASSERT_TRUE(presenter.present(frame.data(), 640, 480));
            const SDL_Rect dest = sdl::computeLetterbox(size.w, size.h, 640, 480);
            std::vector<uint32_t> picture(static_cast<size_t>(dest.w) * dest.h);
            FrameScaler().scale(frame.data(), 640, 480, picture.data(), dest.w, dest.w, dest.h);
            SDL_Surface* rgb = SDL_ConvertSurfaceFormat(SDL_GetWindowSurface(window), SDL_PIXELFORMAT_RGB888, 0);
            ASSERT_NE(rgb, nullptr);
            ASSERT_EQ(rgb->w, size.w);
            int wrong = 0;
            for (int y = 0; y < size.h; ++y) {
                const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
                for (int x = 0; x < size.w; ++x) {
                    const bool inside = x >= dest.x && x < dest.x + dest.w && y >= dest.y && y < dest.y + dest.h;
                    const uint32_t expected =
                        inside ? picture[static_cast<size_t>(y - dest.y) * dest.w + (x - dest.x)] : 0;
                    wrong += (row[x] & 0xFFFFFF) != (expected & 0xFFFFFF);
                }
            }
            EXPECT_EQ(wrong, 0);
            SDL_FreeSurface(rgb);
            EXPECT_FALSE(presenter.present(nullptr, 640, 480));
        }
        SDL_DestroyWindow(window);
    }
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

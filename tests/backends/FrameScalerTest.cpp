// The sharp-then-smooth scaler against a plain reference: the frame repeated
// to its integer multiple as a real image, then sampled bilinearly in doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/FrameScaler.h"

namespace {

constexpr uint32_t kPadding = 0xDEADBEEF;

std::vector<uint32_t> randomFrame(int width, int height, unsigned seed)
{
    std::srand(seed);
    std::vector<uint32_t> frame(static_cast<size_t>(width) * height);
    for (uint32_t& pixel : frame)
        pixel = 0xFF000000u | static_cast<uint32_t>(std::rand() & 0xFFFF) << 8 | static_cast<uint32_t>(std::rand() & 0xFF);
    return frame;
}

int channel(uint32_t pixel, int shift) { return static_cast<int>(pixel >> shift & 0xFF); }

std::vector<uint32_t> reference(const std::vector<uint32_t>& src, int srcW, int srcH, int dstW, int dstH)
{
    const int k = std::max(1, std::min(dstW / srcW, dstH / srcH));
    const int vw = srcW * k, vh = srcH * k;
    std::vector<uint32_t> virtualImage(static_cast<size_t>(vw) * vh);
    for (int y = 0; y < vh; ++y)
        for (int x = 0; x < vw; ++x) virtualImage[static_cast<size_t>(y) * vw + x] = src[static_cast<size_t>(y / k) * srcW + x / k];
    const auto at = [&](int x, int y) { return virtualImage[static_cast<size_t>(y) * vw + x]; };
    std::vector<uint32_t> out(static_cast<size_t>(dstW) * dstH);
    for (int y = 0; y < dstH; ++y) {
        const double sy = std::clamp((y + 0.5) * vh / dstH - 0.5, 0.0, vh - 1.0);
        const int y0 = static_cast<int>(sy), y1 = std::min(y0 + 1, vh - 1);
        const double fy = sy - y0;
        for (int x = 0; x < dstW; ++x) {
            const double sx = std::clamp((x + 0.5) * vw / dstW - 0.5, 0.0, vw - 1.0);
            const int x0 = static_cast<int>(sx), x1 = std::min(x0 + 1, vw - 1);
            const double fx = sx - x0;
            uint32_t pixel = 0;
            for (int shift : {0, 8, 16}) {
                const double top = channel(at(x0, y0), shift) * (1 - fx) + channel(at(x1, y0), shift) * fx;
                const double bottom = channel(at(x0, y1), shift) * (1 - fx) + channel(at(x1, y1), shift) * fx;
                pixel |= static_cast<uint32_t>(std::lround(top * (1 - fy) + bottom * fy)) << shift;
            }
            out[static_cast<size_t>(y) * dstW + x] = pixel;
        }
    }
    return out;
}

}  // namespace

TEST(FrameScaler, MatchesTheSharpThenSmoothReference)
{
    const struct {
        int width, height;
        int tolerance;  // per channel; whole multiples must be exact copies
    } cases[] = {
        {640, 480, 0},  {1280, 960, 0},  // 1x and 2x
        {1440, 1080, 2},                 // 2x, then smooth to the full-HD height
        {1024, 768, 2},                  // 1x, then smooth
        {700, 500, 2},                   // a window not of the frame's shape
        {320, 240, 2},  {333, 250, 2},   // smaller than the frame
    };
    platform::FrameScaler scaler;  // one scaler for every size, as a window uses it
    unsigned seed = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const std::vector<uint32_t> frame = randomFrame(640, 480, ++seed);
        const int pitch = c.width + 3;
        std::vector<uint32_t> out(static_cast<size_t>(pitch) * c.height, kPadding);
        scaler.scale(frame.data(), 640, 480, out.data(), pitch, c.width, c.height);
        const std::vector<uint32_t> expected = reference(frame, 640, 480, c.width, c.height);
        int worst = 0, padding = 0;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x)
                for (int shift : {0, 8, 16})
                    worst = std::max(worst, std::abs(channel(out[static_cast<size_t>(y) * pitch + x], shift) -
                                                     channel(expected[static_cast<size_t>(y) * c.width + x], shift)));
            for (int x = c.width; x < pitch; ++x) padding += out[static_cast<size_t>(y) * pitch + x] != kPadding;
        }
        EXPECT_LE(worst, c.tolerance);
        EXPECT_EQ(padding, 0) << "only the picture's own pixels are written";
    }
}

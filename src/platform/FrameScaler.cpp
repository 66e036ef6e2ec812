// The sharp-then-smooth scaler: per-axis sampling tables built once per size,
// source rows scaled across once each, output rows blended from two of them.
#include "platform/FrameScaler.h"

#include "platform/RasterSimd.h"

#include <algorithm>
#include <cstring>

namespace platform {

// Sampling taps along one axis from a source of srcLength pixels, repeated
// `multiple` times, to dstLength pixels. Pixel centres line up as a linear
// texture filter lines them up: output pixel i samples the virtual image at
// (i + 0.5) * virtual / dstLength - 0.5, computed exactly in integers.
std::vector<FrameScaler::Tap> FrameScaler::axisTaps(int srcLength, int multiple, int dstLength)
{
    const int64_t virtualLength = int64_t(srcLength) * multiple;
    const int64_t denominator = 2 * int64_t(dstLength);
    std::vector<Tap> taps(static_cast<size_t>(dstLength));
    for (int i = 0; i < dstLength; ++i) {
        const int64_t numerator = (2 * int64_t(i) + 1) * virtualLength - dstLength;
        int64_t left = 0;
        int64_t weight = 0;
        if (numerator > 0) {
            left = numerator / denominator;
            weight = (numerator % denominator * 256 + denominator / 2) / denominator;
            if (weight == 256) {
                left += 1;
                weight = 0;
            }
        }
        left = std::min(left, virtualLength - 1);
        const int64_t right = std::min(left + 1, virtualLength - 1);
        Tap& tap = taps[static_cast<size_t>(i)];
        tap.first = static_cast<int>(left / multiple);
        tap.second = static_cast<int>(right / multiple);
        tap.weight = tap.first == tap.second ? 0 : static_cast<uint32_t>(weight);
    }
    return taps;
}

namespace {

// a and b mixed with b's weight out of 256, two channels at a time.
inline uint32_t blend(uint32_t a, uint32_t b, uint32_t weight)
{
    const uint32_t keep = 256 - weight;
    const uint32_t redBlue = ((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight + 0x800080u) >> 8 & 0xFF00FFu;
    const uint32_t green = ((a & 0xFF00u) * keep + (b & 0xFF00u) * weight + 0x8000u) >> 8 & 0xFF00u;
    return redBlue | green;
}

// Two rows mixed with one weight: half the output rows of a smooth step, so
// four pixels at a time where SSE2 is there, rounded as blend rounds.
void blendRows(const uint32_t* upper, const uint32_t* lower, uint32_t weight, uint32_t* out, int width)
{
    int x = 0;
#ifdef __SSE2__
    namespace simd = raster::simd;
    const __m128i f = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i g = _mm_set1_epi16(static_cast<short>(256 - weight));
    for (; x + 4 <= width; x += 4) {
        const __m128i a = simd::load(upper + x);
        const __m128i b = simd::load(lower + x);
        const __m128i low = simd::lerp16(simd::lo16(a), simd::lo16(b), f, g);
        const __m128i high = simd::lerp16(simd::hi16(a), simd::hi16(b), f, g);
        simd::store(out + x, _mm_packus_epi16(low, high));
    }
#endif
    for (; x < width; ++x)
        out[x] = blend(upper[x], lower[x], weight);
}

}  // namespace

void FrameScaler::prepare(int srcWidth, int srcHeight, int dstWidth, int dstHeight)
{
    if (srcWidth == srcWidth_ && srcHeight == srcHeight_ && dstWidth == dstWidth_ && dstHeight == dstHeight_)
        return;
    const int multiple = std::max(1, std::min(dstWidth / srcWidth, dstHeight / srcHeight));
    columns_ = axisTaps(srcWidth, multiple, dstWidth);
    rows_ = axisTaps(srcHeight, multiple, dstHeight);
    for (ScaledRow& cached : cache_)
        cached.pixels.assign(static_cast<size_t>(dstWidth), 0);
    srcWidth_ = srcWidth;
    srcHeight_ = srcHeight;
    dstWidth_ = dstWidth;
    dstHeight_ = dstHeight;
}

// Source row `row` scaled across, from the cache when it is there; the other
// row the caller still needs (`keep`) is not evicted.
const uint32_t* FrameScaler::scaledRow(const uint32_t* src, int row, int keep)
{
    for (ScaledRow& cached : cache_)
        if (cached.row == row)
            return cached.pixels.data();
    ScaledRow& slot = cache_[0].row == keep ? cache_[1] : cache_[0];
    slot.row = row;
    const uint32_t* in = src + static_cast<size_t>(row) * srcWidth_;
    uint32_t* out = slot.pixels.data();
    for (int x = 0; x < dstWidth_; ++x) {
        const Tap& tap = columns_[static_cast<size_t>(x)];
        out[x] = tap.weight ? blend(in[tap.first], in[tap.second], tap.weight) : in[tap.first];
    }
    return out;
}

void FrameScaler::scale(const uint32_t* src, int srcWidth, int srcHeight, uint32_t* dst, int dstPitch,
                        int dstWidth, int dstHeight)
{
    if (!src || !dst || srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0)
        return;
    prepare(srcWidth, srcHeight, dstWidth, dstHeight);
    // A new frame: nothing cached from the last one is valid.
    for (ScaledRow& cached : cache_)
        cached.row = -1;
    for (int y = 0; y < dstHeight; ++y) {
        const Tap& tap = rows_[static_cast<size_t>(y)];
        uint32_t* out = dst + static_cast<size_t>(y) * dstPitch;
        const uint32_t* upper = scaledRow(src, tap.first, tap.second);
        if (!tap.weight) {
            std::memcpy(out, upper, static_cast<size_t>(dstWidth) * sizeof(uint32_t));
            continue;
        }
        blendRows(upper, scaledRow(src, tap.second, tap.first), tap.weight, out, dstWidth);
    }
}

}  // namespace platform

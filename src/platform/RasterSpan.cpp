// The fast renderer's span stages: fetch the texels of a run of pixels, apply
// texture stage 0, and hand the result to the blend routine.
#include "platform/RasterSpan.h"

#include <algorithm>

#include "platform/RasterSimd.h"

namespace platform::raster {

namespace {

using Buffers = SpanBuffers;

bool usesDiffuse(Source s) {
    return s == Source::Diffuse || s == Source::Modulate || s == Source::DiffuseSquared;
}
bool squared(Source s) { return s == Source::TextureSquared || s == Source::DiffuseSquared; }

uint32_t combineChannel(Source s, uint32_t t, uint32_t d) {
    switch (s) {
    case Source::Texture: return t;
    case Source::Diffuse: return d;
    case Source::Modulate: return mul255(t, d);
    case Source::TextureSquared: return mul255(t, t);
    case Source::DiffuseSquared: return mul255(d, d);
    }
    return d;
}

uint32_t combinePixel(Source color, Source alpha, uint32_t t, uint32_t d) {
    uint32_t out = combineChannel(alpha, t >> 24, d >> 24) << 24;
    for (int c = 0; c < 24; c += 8) out |= combineChannel(color, (t >> c) & 0xFF, (d >> c) & 0xFF) << c;
    return out;
}

#ifdef __SSE2__
uint32_t maskFor(Source color, Source alpha, Source wanted) {
    return (color == wanted ? 0x00FFFFFFu : 0u) | (alpha == wanted ? 0xFF000000u : 0u);
}
#endif

const uint32_t* combine(const SpanContext& ctx, const TriangleSetup& tri, const uint32_t* texels,
                        int px, int py, int n, Buffers& b) {
    const QuadSetup& q = *ctx.setup;
    const Source color = q.color, alpha = q.alpha;
    if (color == Source::Texture && alpha == Source::Texture) return texels;

    const uint32_t* diffuse = nullptr;
    if (q.gouraud && (usesDiffuse(color) || usesDiffuse(alpha))) {
        uint32_t ch[4], step[4];
        for (int c = 0; c < 4; ++c) {
            ch[c] = tri.color[c].at(px, py, q.originX, q.originY);
            step[c] = tri.color[c].dx;
        }
        for (int k = 0; k < n; ++k) {
            b.diffuse[k] = channelFromFixed(ch[0]) | channelFromFixed(ch[1]) << 8 |
                           channelFromFixed(ch[2]) << 16 | channelFromFixed(ch[3]) << 24;
            for (int c = 0; c < 4; ++c) ch[c] += step[c];
        }
        diffuse = b.diffuse;
    }
    const uint32_t constant = q.diffuse;
    if (squared(color) || squared(alpha)) {
        for (int k = 0; k < n; ++k) {
            b.shaded[k] = combinePixel(color, alpha, texels[k], diffuse ? diffuse[k] : constant);
        }
        return b.shaded;
    }
    int k = 0;
#ifdef __SSE2__
    const uint32_t maskT = maskFor(color, alpha, Source::Texture);
    const uint32_t maskD = maskFor(color, alpha, Source::Diffuse);
    const uint32_t maskM = maskFor(color, alpha, Source::Modulate);
    const __m128i mT = _mm_set1_epi32(int(maskT)), mD = _mm_set1_epi32(int(maskD));
    const __m128i mM = _mm_set1_epi32(int(maskM)), dConst = _mm_set1_epi32(int(constant));
    for (; k + 4 <= n; k += 4) {
        __m128i t = simd::load(texels + k);
        __m128i d = diffuse ? simd::load(diffuse + k) : dConst;
        __m128i out = _mm_or_si128(_mm_and_si128(t, mT), _mm_and_si128(d, mD));
        if (maskM) {
            __m128i lo = simd::mul255(simd::lo16(t), simd::lo16(d));
            __m128i hi = simd::mul255(simd::hi16(t), simd::hi16(d));
            out = _mm_or_si128(out, _mm_and_si128(_mm_packus_epi16(lo, hi), mM));
        }
        simd::store(b.shaded + k, out);
    }
#endif
    for (; k < n; ++k) {
        b.shaded[k] = combinePixel(color, alpha, texels[k], diffuse ? diffuse[k] : constant);
    }
    return b.shaded;
}

}  // namespace

void drawSpan(const SpanContext& ctx, const TriangleSetup& tri, int py, int x0, int x1) {
    SpanBuffers buffers;
    uint32_t* row = ctx.target->pixels + size_t(py) * ctx.target->width;
    for (int x = x0; x < x1;) {
        int n = std::min(kSpanChunk, x1 - x);
        const uint32_t* texels = fetchTexels(ctx, tri, x, py, n, buffers);
        const uint32_t* shaded = combine(ctx, tri, texels, x, py, n, buffers);
        ctx.blend(row + x, shaded, n);
        x += n;
    }
}

}  // namespace platform::raster

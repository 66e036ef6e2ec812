// The fast renderer's span stages: fetch the texels of a run of pixels, apply
// texture stage 0, and hand the result to the blend routine.
#include "platform/RasterSpan.h"

#include <algorithm>

#include "platform/RasterSimd.h"

namespace platform::raster {

namespace {

constexpr uint32_t kUnitStep = 65536;  // one texel per pixel

struct Buffers {
    alignas(16) uint32_t texels[kSpanChunk + 4];
    alignas(16) uint32_t rowA[kSpanChunk + 8];
    alignas(16) uint32_t rowB[kSpanChunk + 8];
    alignas(16) uint32_t diffuse[kSpanChunk + 4];
    alignas(16) uint32_t shaded[kSpanChunk + 4];
};

// Texels i0 .. i0 + count - 1 of one texture row, addressed.
const uint32_t* addressedRun(const uint32_t* row, int width, bool wrap, int i0, int count,
                             uint32_t* scratch) {
    if (i0 >= 0 && i0 <= width - count) return row + i0;
    for (int k = 0; k < count; ++k) scratch[k] = row[addressTexel(i0 + k, width, wrap)];
    return scratch;
}

const uint32_t* fetchPoint(const Texture& tex, const RasterState& st, uint32_t u, uint32_t v,
                           uint32_t du, uint32_t dv, int n, Buffers& b) {
    const int w = tex.width(), h = tex.height();
    const uint32_t* texels = tex.pixels();
    if (dv == 0) {
        const uint32_t* row = texels + size_t(addressTexel(int32_t(v) >> 16, h, st.wrapV)) * w;
        if (du == kUnitStep) return addressedRun(row, w, st.wrapU, int32_t(u) >> 16, n, b.texels);
        for (int k = 0; k < n; ++k, u += du) b.texels[k] = row[addressTexel(int32_t(u) >> 16, w, st.wrapU)];
        return b.texels;
    }
    for (int k = 0; k < n; ++k, u += du, v += dv) {
        int x = addressTexel(int32_t(u) >> 16, w, st.wrapU);
        int y = addressTexel(int32_t(v) >> 16, h, st.wrapV);
        b.texels[k] = texels[size_t(y) * w + x];
    }
    return b.texels;
}

// a and b hold count + 1 texels of two rows; the filter weights are the same
// for every pixel, as for an unscaled axis-aligned sprite.
void bilinearUnitStep(const uint32_t* a, const uint32_t* b, uint32_t fx, uint32_t fy, int n,
                      uint32_t* out) {
    int i = 0;
#ifdef __SSE2__
    const __m128i f = _mm_set1_epi16(short(fx)), g = _mm_set1_epi16(short(256 - fx));
    const __m128i fv = _mm_set1_epi16(short(fy)), gv = _mm_set1_epi16(short(256 - fy));
    for (; i + 4 <= n; i += 4) {
        __m128i a0 = simd::load(a + i), a1 = simd::load(a + i + 1);
        __m128i b0 = simd::load(b + i), b1 = simd::load(b + i + 1);
        __m128i lo = simd::lerp16(simd::lerp16(simd::lo16(a0), simd::lo16(a1), f, g),
                                  simd::lerp16(simd::lo16(b0), simd::lo16(b1), f, g), fv, gv);
        __m128i hi = simd::lerp16(simd::lerp16(simd::hi16(a0), simd::hi16(a1), f, g),
                                  simd::lerp16(simd::hi16(b0), simd::hi16(b1), f, g), fv, gv);
        simd::store(out + i, _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i) out[i] = lerpTexel(lerpTexel(a[i], a[i + 1], fx), lerpTexel(b[i], b[i + 1], fx), fy);
}

const uint32_t* fetchLinear(const Texture& tex, const RasterState& st, uint32_t u, uint32_t v,
                            uint32_t du, uint32_t dv, int n, Buffers& b) {
    const int w = tex.width(), h = tex.height();
    const uint32_t* texels = tex.pixels();
    u -= 32768u;  // sample positions relative to texel centres
    v -= 32768u;
    if (dv == 0) {
        int y0 = int32_t(v) >> 16;
        uint32_t fy = (v >> 8) & 0xFF;
        const uint32_t* rowA = texels + size_t(addressTexel(y0, h, st.wrapV)) * w;
        const uint32_t* rowB = texels + size_t(addressTexel(y0 + 1, h, st.wrapV)) * w;
        if (du == kUnitStep) {
            int x0 = int32_t(u) >> 16;
            const uint32_t* a = addressedRun(rowA, w, st.wrapU, x0, n + 1, b.rowA);
            const uint32_t* c = addressedRun(rowB, w, st.wrapU, x0, n + 1, b.rowB);
            bilinearUnitStep(a, c, (u >> 8) & 0xFF, fy, n, b.texels);
            return b.texels;
        }
        for (int k = 0; k < n; ++k, u += du) {
            int x0 = int32_t(u) >> 16;
            uint32_t fx = (u >> 8) & 0xFF;
            int xa = addressTexel(x0, w, st.wrapU), xb = addressTexel(x0 + 1, w, st.wrapU);
            b.texels[k] = lerpTexel(lerpTexel(rowA[xa], rowA[xb], fx),
                                    lerpTexel(rowB[xa], rowB[xb], fx), fy);
        }
        return b.texels;
    }
    for (int k = 0; k < n; ++k, u += du, v += dv) {
        int x0 = int32_t(u) >> 16, y0 = int32_t(v) >> 16;
        uint32_t fx = (u >> 8) & 0xFF, fy = (v >> 8) & 0xFF;
        int xa = addressTexel(x0, w, st.wrapU), xb = addressTexel(x0 + 1, w, st.wrapU);
        const uint32_t* rowA = texels + size_t(addressTexel(y0, h, st.wrapV)) * w;
        const uint32_t* rowB = texels + size_t(addressTexel(y0 + 1, h, st.wrapV)) * w;
        b.texels[k] = lerpTexel(lerpTexel(rowA[xa], rowA[xb], fx),
                                lerpTexel(rowB[xa], rowB[xb], fx), fy);
    }
    return b.texels;
}

const uint32_t* fetch(const SpanContext& ctx, const TriangleSetup& tri, int px, int py, int n,
                      Buffers& b) {
    const Texture* tex = ctx.texture;
    if (!tex) {
        std::fill_n(b.texels, n, 0xFFFFFFFFu);
        return b.texels;
    }
    const QuadSetup& q = *ctx.setup;
    uint32_t u = tri.u.at(px, py, q.originX, q.originY);
    uint32_t v = tri.v.at(px, py, q.originX, q.originY);
    const uint32_t* texels = tri.linear ? fetchLinear(*tex, *ctx.state, u, v, tri.u.dx, tri.v.dx, n, b)
                                        : fetchPoint(*tex, *ctx.state, u, v, tri.u.dx, tri.v.dx, n, b);
    if (tex->isRenderTarget()) {  // render targets carry no alpha
        for (int k = 0; k < n; ++k) b.texels[k] = texels[k] | 0xFF000000u;
        return b.texels;
    }
    return texels;
}

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
    Buffers buffers;
    uint32_t* row = ctx.target->pixels + size_t(py) * ctx.target->width;
    for (int x = x0; x < x1;) {
        int n = std::min(kSpanChunk, x1 - x);
        const uint32_t* texels = fetch(ctx, tri, x, py, n, buffers);
        const uint32_t* shaded = combine(ctx, tri, texels, x, py, n, buffers);
        ctx.blend(row + x, shaded, n);
        x += n;
    }
}

}  // namespace platform::raster

// Texel fetch of the fast renderer: point and bilinear sampling of a run of
// pixels, with fast paths for unscaled and axis-aligned runs.
#include "platform/RasterSpan.h"

#include <algorithm>

#include "platform/RasterSimd.h"

#ifdef __x86_64__
#include <immintrin.h>
#define LNF_AVX2 __attribute__((target("avx2")))
// The 256-bit helpers below are internal to this file, so the calling
// convention of vector returns that the compiler warns about never matters.
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace platform::raster {

namespace {

constexpr uint32_t kUnitStep = 65536;  // one texel per pixel

using Buffers = SpanBuffers;

// Texels i0 .. i0 + count - 1 of one texture row, addressed.
const uint32_t* addressedRun(const uint32_t* row, int width, bool wrap, int i0, int count,
                             uint32_t* scratch) {
    if (i0 >= 0 && i0 <= width - count) return row + i0;
    int k = 0;
    if (!wrap) {  // edge texel, the part on the texture, edge texel
        for (; k < count && i0 + k < 0; ++k) scratch[k] = row[0];
        int inside = std::max(0, std::min(count - k, width - (i0 + k)));
        std::copy_n(row + i0 + k, inside, scratch + k);
        k += inside;
        std::fill(scratch + k, scratch + count, row[width - 1]);
        return scratch;
    }
    while (k < count) {  // whole stretches of the row at a time
        int start = addressTexel(i0 + k, width, true);
        int run = std::min(count - k, width - start);
        std::copy_n(row + start, run, scratch + k);
        k += run;
    }
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

#ifdef __x86_64__
LNF_AVX2 __m256i lerpWide(__m256i a, __m256i b, __m256i f, __m256i g) {
    __m256i x = _mm256_add_epi16(_mm256_mullo_epi16(a, g), _mm256_mullo_epi16(b, f));
    return _mm256_srli_epi16(_mm256_add_epi16(x, _mm256_set1_epi16(128)), 8);
}

// Eight pixels at a time of bilinearUnitStep below; returns how many it did.
LNF_AVX2 int bilinearUnitStepWide(const uint32_t* a, const uint32_t* b, uint32_t fx, uint32_t fy,
                                  int n, uint32_t* out) {
    const __m256i f = _mm256_set1_epi16(short(fx)), g = _mm256_set1_epi16(short(256 - fx));
    const __m256i fv = _mm256_set1_epi16(short(fy)), gv = _mm256_set1_epi16(short(256 - fy));
    const __m256i zero = _mm256_setzero_si256();
    auto load = [](const uint32_t* p) LNF_AVX2 {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    };
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i a0 = load(a + i), a1 = load(a + i + 1), b0 = load(b + i), b1 = load(b + i + 1);
        __m256i lo = lerpWide(lerpWide(_mm256_unpacklo_epi8(a0, zero), _mm256_unpacklo_epi8(b0, zero), fv, gv),
                              lerpWide(_mm256_unpacklo_epi8(a1, zero), _mm256_unpacklo_epi8(b1, zero), fv, gv), f, g);
        __m256i hi = lerpWide(lerpWide(_mm256_unpackhi_epi8(a0, zero), _mm256_unpackhi_epi8(b0, zero), fv, gv),
                              lerpWide(_mm256_unpackhi_epi8(a1, zero), _mm256_unpackhi_epi8(b1, zero), fv, gv), f, g);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

// The rows of a scaled run blended into columns, eight at a time.
LNF_AVX2 int blendRowsWide(const uint32_t* a, const uint32_t* b, uint32_t fy, int count,
                           uint32_t* out) {
    const __m256i fv = _mm256_set1_epi16(short(fy)), gv = _mm256_set1_epi16(short(256 - fy));
    const __m256i zero = _mm256_setzero_si256();
    int j = 0;
    for (; j + 8 <= count; j += 8) {
        __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + j));
        __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + j));
        __m256i lo = lerpWide(_mm256_unpacklo_epi8(x, zero), _mm256_unpacklo_epi8(y, zero), fv, gv);
        __m256i hi = lerpWide(_mm256_unpackhi_epi8(x, zero), _mm256_unpackhi_epi8(y, zero), fv, gv);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + j), _mm256_packus_epi16(lo, hi));
    }
    return j;
}
#endif

// a and b hold count + 1 texels of two rows; the filter weights are the same
// for every pixel, as for an unscaled axis-aligned sprite.
void bilinearUnitStep(const uint32_t* a, const uint32_t* b, uint32_t fx, uint32_t fy, int n,
                      uint32_t* out) {
    int i = 0;
#ifdef __x86_64__
    if (g_wideVectors) i = bilinearUnitStepWide(a, b, fx, fy, n, out);
#endif
#ifdef __SSE2__
    const __m128i f = _mm_set1_epi16(short(fx)), g = _mm_set1_epi16(short(256 - fx));
    const __m128i fv = _mm_set1_epi16(short(fy)), gv = _mm_set1_epi16(short(256 - fy));
    for (; i + 4 <= n; i += 4) {
        __m128i a0 = simd::load(a + i), a1 = simd::load(a + i + 1);
        __m128i b0 = simd::load(b + i), b1 = simd::load(b + i + 1);
        __m128i lo = simd::lerp16(simd::lerp16(simd::lo16(a0), simd::lo16(b0), fv, gv),
                                  simd::lerp16(simd::lo16(a1), simd::lo16(b1), fv, gv), f, g);
        __m128i hi = simd::lerp16(simd::lerp16(simd::hi16(a0), simd::hi16(b0), fv, gv),
                                  simd::lerp16(simd::hi16(a1), simd::hi16(b1), fv, gv), f, g);
        simd::store(out + i, _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i) out[i] = bilinear(a[i], a[i + 1], b[i], b[i + 1], fx, fy);
}

// True when the samples start, start + step, ... (n of them, 16.16) and the
// texel after each all lie on the texture, so no addressing is needed.
bool runInside(uint32_t start, uint32_t step, int n, int size) {
    int64_t first = int32_t(start);
    int64_t last = first + int64_t(int32_t(step)) * (n - 1);
    if (last > INT32_MAX || last < INT32_MIN) return false;  // stepping wraps around
    return (std::min(first, last) >> 16) >= 0 && (std::max(first, last) >> 16) + 1 < size;
}

#ifdef __SSE2__
// Four pixels' weights as 16-bit lanes, each weight in all four lanes of its pixel.
void spread(const uint32_t* f, __m128i& lo, __m128i& hi) {
    __m128i v = simd::load(f);
    v = _mm_packs_epi32(v, v);
    v = _mm_unpacklo_epi16(v, v);
    lo = _mm_unpacklo_epi32(v, v);
    hi = _mm_unpackhi_epi32(v, v);
}

// Four bilinear samples, each from its own four texels and weights.
__m128i bilinear4(const uint32_t* t, const uint32_t* i00, const uint32_t* i10, const uint32_t* i01,
                  const uint32_t* i11, const uint32_t* fx, const uint32_t* fy) {
    auto gather = [t](const uint32_t* i) {
        return _mm_setr_epi32(int(t[i[0]]), int(t[i[1]]), int(t[i[2]]), int(t[i[3]]));
    };
    const __m128i k256 = _mm_set1_epi16(256);
    __m128i fxLo, fxHi, fyLo, fyHi;
    spread(fx, fxLo, fxHi);
    spread(fy, fyLo, fyHi);
    __m128i gxLo = _mm_sub_epi16(k256, fxLo), gxHi = _mm_sub_epi16(k256, fxHi);
    __m128i gyLo = _mm_sub_epi16(k256, fyLo), gyHi = _mm_sub_epi16(k256, fyHi);
    __m128i a0 = gather(i00), a1 = gather(i10), b0 = gather(i01), b1 = gather(i11);
    __m128i lo = simd::lerp16(simd::lerp16(simd::lo16(a0), simd::lo16(b0), fyLo, gyLo),
                              simd::lerp16(simd::lo16(a1), simd::lo16(b1), fyLo, gyLo), fxLo, gxLo);
    __m128i hi = simd::lerp16(simd::lerp16(simd::hi16(a0), simd::hi16(b0), fyHi, gyHi),
                              simd::lerp16(simd::hi16(a1), simd::hi16(b1), fyHi, gyHi), fxHi, gxHi);
    return _mm_packus_epi16(lo, hi);
}
#endif

// Scaled or rotated sampling: every pixel has its own texels and weights.
const uint32_t* fetchLinearGather(const Texture& tex, const RasterState& st, uint32_t u,
                                  uint32_t v, uint32_t du, uint32_t dv, int n, Buffers& b) {
    const int w = tex.width(), h = tex.height();
    const uint32_t* texels = tex.pixels();
    const bool inside = runInside(u, du, n, w) && runInside(v, dv, n, h);
    alignas(16) uint32_t i00[4], i10[4], i01[4], i11[4], fx[4], fy[4];
    auto prepare = [&](int j) {
        int x0 = int32_t(u) >> 16, y0 = int32_t(v) >> 16;
        fx[j] = (u >> 8) & 0xFF;
        fy[j] = (v >> 8) & 0xFF;
        int xa = x0, xb = x0 + 1, ya = y0, yb = y0 + 1;
        if (!inside) {
            xa = addressTexel(x0, w, st.wrapU);
            xb = addressTexel(x0 + 1, w, st.wrapU);
            ya = addressTexel(y0, h, st.wrapV);
            yb = addressTexel(y0 + 1, h, st.wrapV);
        }
        i00[j] = uint32_t(ya * w + xa);
        i10[j] = uint32_t(ya * w + xb);
        i01[j] = uint32_t(yb * w + xa);
        i11[j] = uint32_t(yb * w + xb);
        u += du;
        v += dv;
    };
    int k = 0;
#ifdef __SSE2__
    for (; k + 4 <= n; k += 4) {
        for (int j = 0; j < 4; ++j) prepare(j);
        simd::store(b.texels + k, bilinear4(texels, i00, i10, i01, i11, fx, fy));
    }
#endif
    for (; k < n; ++k) {
        prepare(0);
        b.texels[k] = bilinear(texels[i00[0]], texels[i10[0]], texels[i01[0]], texels[i11[0]],
                               fx[0], fy[0]);
    }
    return b.texels;
}

// A scaled axis-aligned run: the two rows are blended once per texel column
// they span, and each pixel then blends two of those columns.
bool fetchLinearColumns(const Texture& tex, const RasterState& st, uint32_t u, uint32_t v,
                        uint32_t du, int n, Buffers& b) {
    const int w = tex.width(), h = tex.height();
    int64_t first = int32_t(u), last = first + int64_t(int32_t(du)) * (n - 1);
    if (last > INT32_MAX || last < INT32_MIN) return false;  // stepping wraps around
    int lo = int(std::min(first, last) >> 16);
    int count = int(std::max(first, last) >> 16) - lo + 2;
    if (count > kSpanChunk + 8) return false;  // strongly minified: not worth it
    int y0 = int32_t(v) >> 16;
    uint32_t fy = (v >> 8) & 0xFF;
    const uint32_t* rowA = tex.pixels() + size_t(addressTexel(y0, h, st.wrapV)) * w;
    const uint32_t* rowB = tex.pixels() + size_t(addressTexel(y0 + 1, h, st.wrapV)) * w;
    rowA = addressedRun(rowA, w, st.wrapU, lo, count, b.rowA);
    rowB = addressedRun(rowB, w, st.wrapU, lo, count, b.rowB);
    uint32_t* columns = b.columns;
    int j = 0;
#ifdef __x86_64__
    if (g_wideVectors) j = blendRowsWide(rowA, rowB, fy, count, columns);
#endif
#ifdef __SSE2__
    const __m128i fv = _mm_set1_epi16(short(fy)), gv = _mm_set1_epi16(short(256 - fy));
    for (; j + 4 <= count; j += 4) {
        __m128i a = simd::load(rowA + j), c = simd::load(rowB + j);
        simd::store(columns + j,
                    _mm_packus_epi16(simd::lerp16(simd::lo16(a), simd::lo16(c), fv, gv),
                                     simd::lerp16(simd::hi16(a), simd::hi16(c), fv, gv)));
    }
#endif
    for (; j < count; ++j) columns[j] = lerpTexel(rowA[j], rowB[j], fy);
    int k = 0;
#ifdef __SSE2__
    alignas(16) uint32_t fx[4];
    const __m128i k256 = _mm_set1_epi16(256);
    for (; k + 4 <= n; k += 4) {
        uint32_t left[4], right[4];
        for (int i = 0; i < 4; ++i, u += du) {
            int x = (int32_t(u) >> 16) - lo;
            left[i] = columns[x];
            right[i] = columns[x + 1];
            fx[i] = (u >> 8) & 0xFF;
        }
        __m128i fLo, fHi;
        spread(fx, fLo, fHi);
        __m128i l = simd::load(left), r = simd::load(right);
        __m128i outLo = simd::lerp16(simd::lo16(l), simd::lo16(r), fLo, _mm_sub_epi16(k256, fLo));
        __m128i outHi = simd::lerp16(simd::hi16(l), simd::hi16(r), fHi, _mm_sub_epi16(k256, fHi));
        simd::store(b.texels + k, _mm_packus_epi16(outLo, outHi));
    }
#endif
    for (; k < n; ++k, u += du) {
        int x = (int32_t(u) >> 16) - lo;
        b.texels[k] = lerpTexel(columns[x], columns[x + 1], (u >> 8) & 0xFF);
    }
    return true;
}

const uint32_t* fetchLinear(const Texture& tex, const RasterState& st, uint32_t u, uint32_t v,
                            uint32_t du, uint32_t dv, int n, Buffers& b) {
    u -= 32768u;  // sample positions relative to texel centres
    v -= 32768u;
    if (dv == 0 && du != kUnitStep && fetchLinearColumns(tex, st, u, v, du, n, b)) return b.texels;
    if (dv != 0 || du != kUnitStep) return fetchLinearGather(tex, st, u, v, du, dv, n, b);
    const int w = tex.width(), h = tex.height();
    const uint32_t* texels = tex.pixels();
    int y0 = int32_t(v) >> 16, x0 = int32_t(u) >> 16;
    const uint32_t* rowA = texels + size_t(addressTexel(y0, h, st.wrapV)) * w;
    const uint32_t* rowB = texels + size_t(addressTexel(y0 + 1, h, st.wrapV)) * w;
    const uint32_t* a = addressedRun(rowA, w, st.wrapU, x0, n + 1, b.rowA);
    const uint32_t* c = addressedRun(rowB, w, st.wrapU, x0, n + 1, b.rowB);
    bilinearUnitStep(a, c, (u >> 8) & 0xFF, (v >> 8) & 0xFF, n, b.texels);
    return b.texels;
}

}  // namespace

const uint32_t* fetchTexels(const SpanContext& ctx, const TriangleSetup& tri, int px, int py, int n,
                            SpanBuffers& b) {
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

}  // namespace platform::raster

// Blending a span of shaded pixels into the target row, one routine per pair of
// blend factors; the target has no alpha channel, so written alpha is 0xFF.
#include "platform/RasterSimd.h"
#include "platform/RasterSpan.h"

namespace platform::raster {

namespace {

template <Factor F>
uint32_t factorScalar(uint32_t srcChannel, uint32_t srcAlpha) {
    if constexpr (F == Factor::Zero) return 0;
    if constexpr (F == Factor::One) return 255;
    if constexpr (F == Factor::SrcColor) return srcChannel;
    if constexpr (F == Factor::InvSrcColor) return 255 - srcChannel;
    if constexpr (F == Factor::SrcAlpha) return srcAlpha;
    if constexpr (F == Factor::InvSrcAlpha) return 255 - srcAlpha;
    return 0;
}

template <Factor F>
uint32_t scaled(uint32_t value, uint32_t srcChannel, uint32_t srcAlpha) {
    if constexpr (F == Factor::Zero) return 0;
    if constexpr (F == Factor::One) return value;  // mul255(v, 255) == v
    return mul255(value, factorScalar<F>(srcChannel, srcAlpha));
}

template <Factor FS, Factor FD>
uint32_t blendPixel(uint32_t s, uint32_t d) {
    uint32_t a = s >> 24;
    uint32_t out = 0xFF000000u;
    for (int c = 0; c < 24; c += 8) {
        uint32_t sc = (s >> c) & 0xFF, dc = (d >> c) & 0xFF;
        uint32_t v = scaled<FS>(sc, sc, a) + scaled<FD>(dc, sc, a);
        out |= (v > 255 ? 255 : v) << c;
    }
    return out;
}

#ifdef __SSE2__
template <Factor F>
__m128i scaledSimd(__m128i value, __m128i src, __m128i srcAlpha) {
    const __m128i k255 = _mm_set1_epi16(255);
    if constexpr (F == Factor::Zero) return _mm_setzero_si128();
    if constexpr (F == Factor::One) return value;
    if constexpr (F == Factor::SrcColor) return simd::mul255(value, src);
    if constexpr (F == Factor::InvSrcColor) return simd::mul255(value, _mm_sub_epi16(k255, src));
    if constexpr (F == Factor::SrcAlpha) return simd::mul255(value, srcAlpha);
    if constexpr (F == Factor::InvSrcAlpha) return simd::mul255(value, _mm_sub_epi16(k255, srcAlpha));
    return _mm_setzero_si128();
}

template <Factor FS, Factor FD>
__m128i blendHalf(__m128i s16, __m128i d16) {
    __m128i a = simd::broadcastAlpha(s16);
    return _mm_adds_epu16(scaledSimd<FS>(s16, s16, a), scaledSimd<FD>(d16, s16, a));
}
#endif

template <Factor FS, Factor FD>
void blendSpan(uint32_t* dst, const uint32_t* src, int n) {
    int i = 0;
#ifdef __SSE2__
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= n; i += 4) {
        __m128i s = simd::load(src + i);
        __m128i d = simd::load(dst + i);
        if constexpr (FS == Factor::SrcAlpha && FD == Factor::InvSrcAlpha) {
            // Sprites are mostly fully opaque or fully keyed out.
            __m128i alpha = _mm_srli_epi32(s, 24);
            int solid = _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_set1_epi32(255)));
            if (solid == 0xFFFF) {
                simd::store(dst + i, _mm_or_si128(s, opaque));
                continue;
            }
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) == 0xFFFF) continue;
        }
        if constexpr (FS == Factor::One && FD == Factor::One) {
            simd::store(dst + i, _mm_or_si128(_mm_adds_epu8(s, d), opaque));
            continue;
        }
        __m128i lo = blendHalf<FS, FD>(simd::lo16(s), simd::lo16(d));
        __m128i hi = blendHalf<FS, FD>(simd::hi16(s), simd::hi16(d));
        simd::store(dst + i, _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
#endif
    for (; i < n; ++i) dst[i] = blendPixel<FS, FD>(src[i], dst[i]);
}

void copySpan(uint32_t* dst, const uint32_t* src, int n) {
    int i = 0;
#ifdef __SSE2__
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= n; i += 4) simd::store(dst + i, _mm_or_si128(simd::load(src + i), opaque));
#endif
    for (; i < n; ++i) dst[i] = src[i] | 0xFF000000u;
}

// Source none, destination kept: only the alpha byte is settled.
void keepSpan(uint32_t* dst, const uint32_t*, int n) {
    for (int i = 0; i < n; ++i) dst[i] |= 0xFF000000u;
}

template <Factor FS>
constexpr BlendSpanFn blendRow[kFactorCount] = {
    blendSpan<FS, Factor::Zero>,     blendSpan<FS, Factor::One>,
    blendSpan<FS, Factor::SrcColor>, blendSpan<FS, Factor::InvSrcColor>,
    blendSpan<FS, Factor::SrcAlpha>, blendSpan<FS, Factor::InvSrcAlpha>,
};

constexpr const BlendSpanFn* kBlendTable[kFactorCount] = {
    blendRow<Factor::Zero>,     blendRow<Factor::One>,      blendRow<Factor::SrcColor>,
    blendRow<Factor::InvSrcColor>, blendRow<Factor::SrcAlpha>, blendRow<Factor::InvSrcAlpha>,
};

}  // namespace

BlendSpanFn chooseBlend(const RasterState& state) {
    if (!state.blend) return copySpan;
    if (state.srcFactor == Factor::One && state.destFactor == Factor::Zero) return copySpan;
    if (state.srcFactor == Factor::Zero && state.destFactor == Factor::One) return keepSpan;
    return kBlendTable[int(state.srcFactor)][int(state.destFactor)];
}

}  // namespace platform::raster

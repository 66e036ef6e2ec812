// Blending a span of shaded pixels into the target row, one routine per pair of
// blend factors; the target has no alpha channel, so written alpha is 0xFF.
#include "platform/RasterSimd.h"
#include "platform/RasterSpan.h"

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace platform::raster {

bool g_wideVectors = wideVectorsAvailable();

bool wideVectorsAvailable() {
#ifdef __x86_64__
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

void setWideVectors(bool enabled) { g_wideVectors = enabled && wideVectorsAvailable(); }

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

#ifdef __x86_64__
#define LNF_AVX2 __attribute__((target("avx2")))
// The 256-bit helpers below are internal to this file, so the calling
// convention of vector returns that the compiler warns about never matters.
#pragma GCC diagnostic ignored "-Wpsabi"

template <Factor F>
LNF_AVX2 __m256i scaledWide(__m256i value, __m256i src, __m256i srcAlpha) {
    const __m256i k255 = _mm256_set1_epi16(255);
    auto mul = [](__m256i a, __m256i b) LNF_AVX2 {
        __m256i x = _mm256_add_epi16(_mm256_mullo_epi16(a, b), _mm256_set1_epi16(128));
        return _mm256_srli_epi16(_mm256_add_epi16(x, _mm256_srli_epi16(x, 8)), 8);
    };
    if constexpr (F == Factor::Zero) return _mm256_setzero_si256();
    if constexpr (F == Factor::One) return value;
    if constexpr (F == Factor::SrcColor) return mul(value, src);
    if constexpr (F == Factor::InvSrcColor) return mul(value, _mm256_sub_epi16(k255, src));
    if constexpr (F == Factor::SrcAlpha) return mul(value, srcAlpha);
    if constexpr (F == Factor::InvSrcAlpha) return mul(value, _mm256_sub_epi16(k255, srcAlpha));
    return _mm256_setzero_si256();
}

template <Factor FS, Factor FD>
LNF_AVX2 __m256i blendHalfWide(__m256i s16, __m256i d16) {
    __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s16, 0xFF), 0xFF);
    return _mm256_adds_epu16(scaledWide<FS>(s16, s16, a), scaledWide<FD>(d16, s16, a));
}

// Eight pixels at a time; returns how many pixels it blended.
template <Factor FS, Factor FD>
LNF_AVX2 int blendSpanWide(uint32_t* dst, const uint32_t* src, int n) {
    const __m256i opaque = _mm256_set1_epi32(int(0xFF000000u));
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        __m256i* out = reinterpret_cast<__m256i*>(dst + i);
        if constexpr (FS == Factor::SrcAlpha && FD == Factor::InvSrcAlpha) {
            __m256i alpha = _mm256_srli_epi32(s, 24);
            if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, _mm256_set1_epi32(255))) == -1) {
                _mm256_storeu_si256(out, _mm256_or_si256(s, opaque));
                continue;
            }
            if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, zero)) == -1) continue;
        }
        __m256i d = _mm256_loadu_si256(out);
        if constexpr (FS == Factor::One && FD == Factor::One) {
            _mm256_storeu_si256(out, _mm256_or_si256(_mm256_adds_epu8(s, d), opaque));
            continue;
        }
        __m256i lo = blendHalfWide<FS, FD>(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero));
        __m256i hi = blendHalfWide<FS, FD>(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero));
        _mm256_storeu_si256(out, _mm256_or_si256(_mm256_packus_epi16(lo, hi), opaque));
    }
    return i;
}
#endif

template <Factor FS, Factor FD>
void blendSpan(uint32_t* dst, const uint32_t* src, int n) {
    int i = 0;
#ifdef __x86_64__
    if (g_wideVectors) i = blendSpanWide<FS, FD>(dst, src, n);
#endif
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

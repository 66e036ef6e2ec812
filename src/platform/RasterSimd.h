// SSE2 helpers of the fast renderer: pixels as 16-bit channel lanes.
#pragma once

#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>

namespace platform::raster::simd {

inline __m128i lo16(__m128i px) { return _mm_unpacklo_epi8(px, _mm_setzero_si128()); }
inline __m128i hi16(__m128i px) { return _mm_unpackhi_epi8(px, _mm_setzero_si128()); }

// round(a * b / 255) per 16-bit lane, a and b in 0..255: the same formula as mul255.
inline __m128i mul255(__m128i a, __m128i b) {
    __m128i x = _mm_add_epi16(_mm_mullo_epi16(a, b), _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
}

// Each pixel's alpha lane copied into its four lanes.
inline __m128i broadcastAlpha(__m128i px16) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(px16, 0xFF), 0xFF);
}

// (a * (256 - f) + b * f + 128) >> 8 per lane, with g = 256 - f given.
inline __m128i lerp16(__m128i a, __m128i b, __m128i f, __m128i g) {
    __m128i x = _mm_add_epi16(_mm_mullo_epi16(a, g), _mm_mullo_epi16(b, f));
    return _mm_srli_epi16(_mm_add_epi16(x, _mm_set1_epi16(128)), 8);
}

inline __m128i load(const uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void store(uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

}  // namespace platform::raster::simd
#endif

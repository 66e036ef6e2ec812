// The fast renderer's span stages: texel fetch, stage-0 combine and blend.
#pragma once

#include "platform/Raster.h"

namespace platform::raster {

constexpr int kSpanChunk = 256;  // pixels shaded per pass, buffers stay in L1

using BlendSpanFn = void (*)(uint32_t* dst, const uint32_t* src, int n);

// Everything a span needs that does not change within a quad.
struct SpanContext {
    const Target* target;
    const Texture* texture;
    const RasterState* state;
    const QuadSetup* setup;
    BlendSpanFn blend;
};

BlendSpanFn chooseBlend(const RasterState& state);

// 256-bit kernels where the processor has them (AVX2). They compute exactly
// what the 128-bit ones do; tests switch them off to check the narrow path.
extern bool g_wideVectors;
bool wideVectorsAvailable();
void setWideVectors(bool enabled);

// Scratch space of one span chunk, on the stack of the span being drawn.
struct SpanBuffers {
    alignas(16) uint32_t texels[kSpanChunk + 4];
    alignas(16) uint32_t rowA[kSpanChunk + 8];
    alignas(16) uint32_t rowB[kSpanChunk + 8];
    alignas(16) uint32_t columns[kSpanChunk + 8];
    alignas(16) uint32_t diffuse[kSpanChunk + 4];
    alignas(16) uint32_t shaded[kSpanChunk + 4];
};

// The texels of n pixels of row py from px on, before texture stage 0: a
// pointer into the texture itself or into b.texels.
const uint32_t* fetchTexels(const SpanContext& ctx, const TriangleSetup& tri, int px, int py, int n,
                            SpanBuffers& b);

// Shades pixels [x0, x1) of row py of a triangle (or of the quad's rectangle).
void drawSpan(const SpanContext& ctx, const TriangleSetup& tri, int py, int x0, int x1);

}  // namespace platform::raster

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

// Shades pixels [x0, x1) of row py of a triangle (or of the quad's rectangle).
void drawSpan(const SpanContext& ctx, const TriangleSetup& tri, int py, int x0, int x1);

}  // namespace platform::raster

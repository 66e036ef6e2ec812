// Helpers shared by the rasteriser tests: small targets, textures and quads.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Device.h"
#include "platform/Raster.h"

namespace rastertest {

struct Canvas {
    int width, height;
    std::vector<uint32_t> pixels;
    Canvas(int w, int h, uint32_t fill = 0xFF000000u)
        : width(w), height(h), pixels(size_t(w) * h, fill) {}
    platform::raster::Target target() { return {pixels.data(), width, height}; }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Corners top-left, top-right, bottom-right, bottom-left of an axis-aligned
// rectangle, u and v spanning 0..1.
inline void rectQuad(platform::Vertex q[4], float x0, float y0, float x1, float y1,
                     uint32_t color = 0xFFFFFFFFu, float u0 = 0, float v0 = 0, float u1 = 1,
                     float v1 = 1) {
    q[0] = {x0, y0, 0, 1, color, u0, v0};
    q[1] = {x1, y0, 0, 1, color, u1, v0};
    q[2] = {x1, y1, 0, 1, color, u1, v1};
    q[3] = {x0, y1, 0, 1, color, u0, v1};
}

inline std::unique_ptr<platform::Texture> makeTexture(int w, int h, std::vector<uint32_t> texels,
                                                      bool renderTarget = false) {
    auto t = std::make_unique<platform::Texture>(w, h, renderTarget);
    for (size_t i = 0; i < texels.size() && i < size_t(w) * h; ++i) t->pixels()[i] = texels[i];
    return t;
}

// The normal sprite state: texture x diffuse for colour and alpha, blended
// by source alpha.
inline platform::raster::RasterState spriteState() {
    platform::raster::RasterState s;
    s.blend = true;
    s.srcFactor = platform::raster::Factor::SrcAlpha;
    s.destFactor = platform::raster::Factor::InvSrcAlpha;
    s.color = platform::raster::Source::Modulate;
    s.alpha = platform::raster::Source::Modulate;
    s.wrapU = s.wrapV = false;
    return s;
}

}  // namespace rastertest

// The software rasteriser behind Device: quad set-up shared by the fast span
// renderer and the slow per-pixel reference renderer that tests compare with.
#pragma once

#include <cstdint>

#include "platform/Device.h"

namespace platform::raster {

enum class Factor : uint8_t { Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha };
constexpr int kFactorCount = 6;

// Where the colour or the alpha of a pixel comes from after texture stage 0.
enum class Source : uint8_t {
    Texture,
    Diffuse,
    Modulate,         // texture x diffuse
    TextureSquared,   // texture x texture
    DiffuseSquared,   // diffuse x diffuse
};

struct RasterState {
    bool blend = false;
    Factor srcFactor = Factor::One;
    Factor destFactor = Factor::Zero;
    Source color = Source::Modulate;
    Source alpha = Source::Texture;
    bool wrapU = true;
    bool wrapV = true;
    bool magLinear = false;
    bool minLinear = false;
};

// Translates the device's stage-0 and blend states.
RasterState stateFromDevice(const uint32_t renderStates[32], const uint32_t stageStates[32]);

struct Target {
    uint32_t* pixels;
    int width;
    int height;
};

// Draws a fan of two triangles (0, 1, 2) and (0, 2, 3). Fast path.
void drawQuad(const Target& target, const Texture* texture, const RasterState& state,
              const Vertex quad[4]);
// The same pixels, evaluated one pixel at a time from the edge functions and
// attribute planes; slow, kept for tests.
void drawQuadReference(const Target& target, const Texture* texture, const RasterState& state,
                       const Vertex quad[4]);

// ---- Set-up shared by both renderers ----

// A texture without texels samples like no texture at all: opaque white.
inline const Texture* usableTexture(const Texture* texture) {
    return texture && texture->width() > 0 && texture->height() > 0 ? texture : nullptr;
}

constexpr int kSubpixelBits = 8;  // vertex positions snap to 1/256 pixel
constexpr int kSubpixel = 1 << kSubpixelBits;

// An attribute as a linear function of the pixel: value at pixel (px, py) is
// base + dx * (px - originX) + dy * (py - originY), in 16.16 fixed point with
// wrap-around (unsigned) arithmetic so stepping and direct evaluation agree.
struct Plane {
    uint32_t base = 0;
    uint32_t dx = 0;
    uint32_t dy = 0;
    uint32_t at(int px, int py, int originX, int originY) const {
        return base + dx * uint32_t(px - originX) + dy * uint32_t(py - originY);
    }
};

struct Edge {
    int64_t x0, y0;  // start, in subpixels
    int64_t dx, dy;  // direction, in subpixels
    bool topLeft;    // pixels exactly on the edge belong to this triangle
};

struct TriangleSetup {
    bool visible = false;
    Edge edges[3];
    int minX = 0, maxX = -1, minY = 0, maxY = -1;  // pixel bounds, clipped to the target
    Plane u, v;        // texel coordinates x 65536 (texel centres at .5)
    Plane color[4];    // channels b, g, r, a x 65536, rounding included; Gouraud only
    bool linear = false;
};

struct QuadSetup {
    TriangleSetup triangles[2];
    int originX = 0, originY = 0;
    bool gouraud = false;      // vertex colours differ
    uint32_t diffuse = 0;      // the colour when they do not
    bool sharedPlanes = false; // the quad is a parallelogram in position and attributes
    // An axis-aligned rectangle with shared planes: pixels [rectX0, rectX1) x [rectY0, rectY1).
    bool rect = false;
    int rectX0 = 0, rectX1 = 0, rectY0 = 0, rectY1 = 0;
    Source color = Source::Modulate;  // stage sources after simplification
    Source alpha = Source::Texture;
};

void setupQuad(const Target& target, const Texture* texture, const RasterState& state,
               const Vertex quad[4], QuadSetup& out);

// Edge function of a pixel centre: positive inside.
inline int64_t edgeValue(const Edge& e, int px, int py) {
    return e.dx * (int64_t(py) * kSubpixel - e.y0) - e.dy * (int64_t(px) * kSubpixel - e.x0);
}

// ---- Pixel arithmetic shared by both renderers ----

// round(a * b / 255) for a, b in 0..255, without a division.
inline uint32_t mul255(uint32_t a, uint32_t b) {
    uint32_t x = a * b + 128;
    return (x + (x >> 8)) >> 8;
}

inline int addressTexel(int i, int size, bool wrap) {
    if (wrap) {
        if ((size & (size - 1)) == 0) return i & (size - 1);
        int m = i % size;
        return m < 0 ? m + size : m;
    }
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

// Interpolates two texels by f / 256 towards b, per channel, rounded.
inline uint32_t lerpTexel(uint32_t a, uint32_t b, uint32_t f) {
    uint32_t g = 256 - f;
    uint32_t rb = (((a & 0xFF00FFu) * g + (b & 0xFF00FFu) * f + 0x800080u) >> 8) & 0xFF00FFu;
    uint32_t ag = ((((a >> 8) & 0xFF00FFu) * g + ((b >> 8) & 0xFF00FFu) * f + 0x800080u) >> 8) &
                  0xFF00FFu;
    return rb | ag << 8;
}

// Bilinear filtering: texels x0 and x1 of row a and of row b; the rows are
// blended first, then the two columns.
inline uint32_t bilinear(uint32_t a0, uint32_t a1, uint32_t b0, uint32_t b1, uint32_t fx,
                         uint32_t fy) {
    return lerpTexel(lerpTexel(a0, b0, fy), lerpTexel(a1, b1, fy), fx);
}

inline uint32_t channelFromFixed(uint32_t value) {
    int32_t v = int32_t(value) >> 16;
    return v < 0 ? 0u : (v > 255 ? 255u : uint32_t(v));
}

}  // namespace platform::raster

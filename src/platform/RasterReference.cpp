// The reference renderer: every pixel of the bounds is tested against the edge
// functions and shaded on its own with plain per-channel arithmetic. Slow and
// obviously right; tests hold the fast renderer to its output bit for bit.
#include "platform/Raster.h"

namespace platform::raster {

namespace {

uint32_t channelOf(uint32_t argb, int c) { return (argb >> (8 * c)) & 0xFF; }

// round(a * b / 255); a * b / 255 never lies exactly half-way.
uint32_t product(uint32_t a, uint32_t b) { return (2 * a * b + 255) / 510; }

uint32_t sampleReference(const Texture* texture, const RasterState& state, bool linear,
                         uint32_t u, uint32_t v) {
    if (!texture) return 0xFFFFFFFFu;
    int w = texture->width(), h = texture->height();
    uint32_t texel;
    if (!linear) {
        int x = addressTexel(int32_t(u) >> 16, w, state.wrapU);
        int y = addressTexel(int32_t(v) >> 16, h, state.wrapV);
        texel = texture->texel(x, y);
    } else {
        int32_t su = int32_t(u - 32768u), sv = int32_t(v - 32768u);
        int x0 = su >> 16, y0 = sv >> 16;
        uint32_t fx = (uint32_t(su) >> 8) & 0xFF, fy = (uint32_t(sv) >> 8) & 0xFF;
        int xa = addressTexel(x0, w, state.wrapU), xb = addressTexel(x0 + 1, w, state.wrapU);
        int ya = addressTexel(y0, h, state.wrapV), yb = addressTexel(y0 + 1, h, state.wrapV);
        uint32_t t00 = texture->texel(xa, ya), t10 = texture->texel(xb, ya);
        uint32_t t01 = texture->texel(xa, yb), t11 = texture->texel(xb, yb);
        texel = 0;
        for (int c = 0; c < 4; ++c) {
            // Rows first, then columns.
            uint32_t left = (channelOf(t00, c) * (256 - fy) + channelOf(t01, c) * fy + 128) >> 8;
            uint32_t right = (channelOf(t10, c) * (256 - fy) + channelOf(t11, c) * fy + 128) >> 8;
            texel |= ((left * (256 - fx) + right * fx + 128) >> 8) << (8 * c);
        }
    }
    // Render targets carry no alpha.
    return texture->isRenderTarget() ? texel | 0xFF000000u : texel;
}

uint32_t stageChannel(Source source, uint32_t t, uint32_t d) {
    switch (source) {
    case Source::Texture: return t;
    case Source::Diffuse: return d;
    case Source::Modulate: return product(t, d);
    case Source::TextureSquared: return product(t, t);
    case Source::DiffuseSquared: return product(d, d);
    }
    return d;
}

uint32_t factorValue(Factor f, uint32_t srcChannel, uint32_t srcAlpha) {
    switch (f) {
    case Factor::Zero: return 0;
    case Factor::One: return 255;
    case Factor::SrcColor: return srcChannel;
    case Factor::InvSrcColor: return 255 - srcChannel;
    case Factor::SrcAlpha: return srcAlpha;
    case Factor::InvSrcAlpha: return 255 - srcAlpha;
    }
    return 0;
}

void shadeReference(const Target& target, const Texture* texture, const RasterState& state,
                    const QuadSetup& setup, const TriangleSetup& tri, int px, int py) {
    uint32_t u = tri.u.at(px, py, setup.originX, setup.originY);
    uint32_t v = tri.v.at(px, py, setup.originX, setup.originY);
    uint32_t t = sampleReference(texture, state, tri.linear, u, v);
    uint32_t src[4];
    for (int c = 0; c < 4; ++c) {
        uint32_t d = setup.gouraud
                         ? channelFromFixed(tri.color[c].at(px, py, setup.originX, setup.originY))
                         : channelOf(setup.diffuse, c);
        src[c] = stageChannel(c == 3 ? state.alpha : state.color, channelOf(t, c), d);
    }
    uint32_t& pixel = target.pixels[size_t(py) * target.width + px];
    uint32_t out = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        uint32_t value = src[c];
        if (state.blend) {
            uint32_t fs = factorValue(state.srcFactor, src[c], src[3]);
            uint32_t fd = factorValue(state.destFactor, src[c], src[3]);
            value = product(src[c], fs) + product(channelOf(pixel, c), fd);
            if (value > 255) value = 255;
        }
        out |= value << (8 * c);
    }
    pixel = out;
}

}  // namespace

void drawQuadReference(const Target& target, const Texture* texture, const RasterState& state,
                       const Vertex quad[4]) {
    texture = usableTexture(texture);
    QuadSetup setup;
    setupQuad(target, texture, state, quad, setup);
    for (const TriangleSetup& tri : setup.triangles) {
        if (!tri.visible) continue;
        for (int py = tri.minY; py <= tri.maxY; ++py) {
            for (int px = tri.minX; px <= tri.maxX; ++px) {
                bool inside = true;
                for (const Edge& e : tri.edges) {
                    int64_t value = edgeValue(e, px, py);
                    if (value < 0 || (value == 0 && !e.topLeft)) inside = false;
                }
                if (inside) shadeReference(target, texture, state, setup, tri, px, py);
            }
        }
    }
}

}  // namespace platform::raster

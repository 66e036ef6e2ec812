// Quad set-up: device states to raster states, snapped edges, pixel bounds and
// the attribute planes that both renderers evaluate.
#include <algorithm>
#include <cmath>

#include "platform/Raster.h"

namespace platform::raster {

namespace {

// Coordinates beyond this many pixels from the origin are clamped; it keeps
// every edge product inside 64 bits.
constexpr double kCoordinateLimit = 16384.0;

Factor factorFromBlend(uint32_t blend) {
    switch (blend) {
    case D3DBLEND_ONE: return Factor::One;
    case D3DBLEND_SRCCOLOR: return Factor::SrcColor;
    case D3DBLEND_INVSRCCOLOR: return Factor::InvSrcColor;
    case D3DBLEND_SRCALPHA: return Factor::SrcAlpha;
    case D3DBLEND_INVSRCALPHA: return Factor::InvSrcAlpha;
    default: return Factor::Zero;  // ZERO, and factors this device does not model
    }
}

bool argIsTexture(uint32_t arg) { return arg == D3DTA_TEXTURE; }

// Arguments other than TEXTURE read the diffuse colour: on stage 0, CURRENT is
// the diffuse colour.
Source sourceFromOp(uint32_t op, uint32_t arg1, uint32_t arg2) {
    switch (op) {
    case D3DTOP_SELECTARG1: return argIsTexture(arg1) ? Source::Texture : Source::Diffuse;
    case D3DTOP_SELECTARG2: return argIsTexture(arg2) ? Source::Texture : Source::Diffuse;
    case D3DTOP_MODULATE:
        if (argIsTexture(arg1) && argIsTexture(arg2)) return Source::TextureSquared;
        if (!argIsTexture(arg1) && !argIsTexture(arg2)) return Source::DiffuseSquared;
        return Source::Modulate;
    default: return Source::Diffuse;  // DISABLE passes the diffuse colour through
    }
}

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

// Rounds half away from zero; |value| stays far below 2^53 here.
int64_t roundToInt(double value) {
    return value >= 0 ? int64_t(value + 0.5) : -int64_t(-value + 0.5);
}

uint32_t toFixed(double value) {
    if (!(value == value)) return 0;  // NaN
    value = std::clamp(value, -2147483647.0, 2147483647.0);
    return uint32_t(int32_t(roundToInt(value)));
}

double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

struct PlaneInput {
    double x[3], y[3], a[3];
};

// Fits the plane through three samples; gradients come back in units per pixel.
void fitPlane(const PlaneInput& in, int originX, int originY, double scale, double add,
              Plane& plane, double* gradX = nullptr, double* gradY = nullptr) {
    double ex1 = in.x[1] - in.x[0], ey1 = in.y[1] - in.y[0];
    double ex2 = in.x[2] - in.x[0], ey2 = in.y[2] - in.y[0];
    double det = ex1 * ey2 - ex2 * ey1;
    double da1 = in.a[1] - in.a[0], da2 = in.a[2] - in.a[0];
    double gx = (da1 * ey2 - da2 * ey1) / det;
    double gy = (da2 * ex1 - da1 * ex2) / det;
    double at = in.a[0] + gx * (originX - in.x[0]) + gy * (originY - in.y[0]);
    plane.base = toFixed(at * scale + add);
    plane.dx = toFixed(gx * scale);
    plane.dy = toFixed(gy * scale);
    if (gradX) *gradX = gx;
    if (gradY) *gradY = gy;
}

}  // namespace

RasterState stateFromDevice(const uint32_t renderStates[32], const uint32_t stageStates[32]) {
    RasterState s;
    s.blend = renderStates[D3DRS_ALPHABLENDENABLE] != 0;
    s.srcFactor = factorFromBlend(renderStates[D3DRS_SRCBLEND]);
    s.destFactor = factorFromBlend(renderStates[D3DRS_DESTBLEND]);
    uint32_t colorOp = stageStates[D3DTSS_COLOROP];
    s.color = sourceFromOp(colorOp, stageStates[D3DTSS_COLORARG1], stageStates[D3DTSS_COLORARG2]);
    // A disabled colour operation switches the whole stage off, alpha included.
    s.alpha = colorOp == D3DTOP_DISABLE
                  ? Source::Diffuse
                  : sourceFromOp(stageStates[D3DTSS_ALPHAOP], stageStates[D3DTSS_ALPHAARG1],
                                 stageStates[D3DTSS_ALPHAARG2]);
    s.wrapU = stageStates[D3DTSS_ADDRESSU] != D3DTADDRESS_CLAMP;
    s.wrapV = stageStates[D3DTSS_ADDRESSV] != D3DTADDRESS_CLAMP;
    s.magLinear = stageStates[D3DTSS_MAGFILTER] >= D3DTEXF_LINEAR;
    s.minLinear = stageStates[D3DTSS_MINFILTER] >= D3DTEXF_LINEAR;
    return s;
}

void setupQuad(const Target& target, const Texture* texture, const RasterState& state,
               const Vertex quad[4], QuadSetup& out) {
    out = QuadSetup{};
    int64_t sx[4], sy[4];
    for (int i = 0; i < 4; ++i) {
        if (std::isnan(quad[i].x) || std::isnan(quad[i].y)) return;
        double x = std::clamp(double(quad[i].x), -kCoordinateLimit, kCoordinateLimit);
        double y = std::clamp(double(quad[i].y), -kCoordinateLimit, kCoordinateLimit);
        sx[i] = roundToInt(x * kSubpixel);
        sy[i] = roundToInt(y * kSubpixel);
    }
    double texW = texture ? texture->width() : 1;
    double texH = texture ? texture->height() : 1;
    double tu[4], tv[4], channel[4][4];
    for (int i = 0; i < 4; ++i) {
        tu[i] = finiteOr(double(quad[i].u), 0.0);
        tv[i] = finiteOr(double(quad[i].v), 0.0);
        for (int c = 0; c < 4; ++c) channel[c][i] = double((quad[i].diffuse >> (8 * c)) & 0xFF);
    }

    out.diffuse = quad[0].diffuse;
    out.gouraud = quad[1].diffuse != quad[0].diffuse || quad[2].diffuse != quad[0].diffuse ||
                  quad[3].diffuse != quad[0].diffuse;
    // Float sums of two floats are exact in double, so this test is exact.
    bool parallelogram = sx[0] + sx[2] == sx[1] + sx[3] && sy[0] + sy[2] == sy[1] + sy[3] &&
                         tu[0] + tu[2] == tu[1] + tu[3] && tv[0] + tv[2] == tv[1] + tv[3];
    for (int c = 0; c < 4 && parallelogram; ++c) {
        parallelogram = channel[c][0] + channel[c][2] == channel[c][1] + channel[c][3];
    }
    out.sharedPlanes = parallelogram;
    int64_t minSx = std::min({sx[0], sx[1], sx[2], sx[3]});
    int64_t minSy = std::min({sy[0], sy[1], sy[2], sy[3]});
    out.originX = int(floorDiv(minSx, kSubpixel));
    out.originY = int(floorDiv(minSy, kSubpixel));

    static constexpr int kFan[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (int t = 0; t < 2; ++t) {
        TriangleSetup& tri = out.triangles[t];
        int idx[3] = {kFan[t][0], kFan[t][1], kFan[t][2]};
        int64_t area = (sx[idx[1]] - sx[idx[0]]) * (sy[idx[2]] - sy[idx[0]]) -
                       (sy[idx[1]] - sy[idx[0]]) * (sx[idx[2]] - sx[idx[0]]);
        if (area == 0) continue;
        // No culling: either winding is drawn, turned so that inside is positive.
        if (area < 0) std::swap(idx[1], idx[2]);
        int64_t lo[2] = {INT64_MAX, INT64_MAX}, hi[2] = {INT64_MIN, INT64_MIN};
        for (int e = 0; e < 3; ++e) {
            int a = idx[e], b = idx[(e + 1) % 3];
            Edge& edge = tri.edges[e];
            edge.x0 = sx[a];
            edge.y0 = sy[a];
            edge.dx = sx[b] - sx[a];
            edge.dy = sy[b] - sy[a];
            // Left edges run upwards; top edges run to the right.
            edge.topLeft = edge.dy < 0 || (edge.dy == 0 && edge.dx > 0);
            lo[0] = std::min(lo[0], sx[a]);
            hi[0] = std::max(hi[0], sx[a]);
            lo[1] = std::min(lo[1], sy[a]);
            hi[1] = std::max(hi[1], sy[a]);
        }
        tri.minX = int(std::max<int64_t>(0, ceilDiv(lo[0], kSubpixel)));
        tri.maxX = int(std::min<int64_t>(target.width - 1, floorDiv(hi[0], kSubpixel)));
        tri.minY = int(std::max<int64_t>(0, ceilDiv(lo[1], kSubpixel)));
        tri.maxY = int(std::min<int64_t>(target.height - 1, floorDiv(hi[1], kSubpixel)));
        tri.visible = tri.minX <= tri.maxX && tri.minY <= tri.maxY;

        // A parallelogram's two triangles lie in one plane: fit it once, from the
        // first triangle, so that both triangles and the rectangle path agree.
        if (t == 1 && out.sharedPlanes) {
            TriangleSetup& first = out.triangles[0];
            tri.u = first.u;
            tri.v = first.v;
            for (int c = 0; c < 4; ++c) tri.color[c] = first.color[c];
            tri.linear = first.linear;
            continue;
        }
        PlaneInput in;
        for (int k = 0; k < 3; ++k) {
            in.x[k] = double(sx[idx[k]]) / kSubpixel;
            in.y[k] = double(sy[idx[k]]) / kSubpixel;
        }
        double gux, guy, gvx, gvy;
        for (int k = 0; k < 3; ++k) in.a[k] = tu[idx[k]] * texW;
        fitPlane(in, out.originX, out.originY, 65536.0, 0.0, tri.u, &gux, &guy);
        for (int k = 0; k < 3; ++k) in.a[k] = tv[idx[k]] * texH;
        fitPlane(in, out.originX, out.originY, 65536.0, 0.0, tri.v, &gvx, &gvy);
        for (int c = 0; c < 4 && out.gouraud; ++c) {  // a single colour needs no planes
            for (int k = 0; k < 3; ++k) in.a[k] = channel[c][idx[k]];
            fitPlane(in, out.originX, out.originY, 65536.0, 32768.0, tri.color[c]);
        }
        // More than one texel per pixel along either screen axis minifies.
        double rho = std::max(gux * gux + gvx * gvx, guy * guy + gvy * gvy);
        tri.linear = rho > 1.000001 ? state.minLinear : state.magLinear;
    }

    bool axisA = sx[0] == sx[3] && sx[1] == sx[2] && sy[0] == sy[1] && sy[2] == sy[3];
    bool axisB = sx[0] == sx[1] && sx[2] == sx[3] && sy[0] == sy[3] && sy[1] == sy[2];
    if (out.sharedPlanes && (axisA || axisB) && out.triangles[0].visible) {
        int64_t maxSx = std::max({sx[0], sx[1], sx[2], sx[3]});
        int64_t maxSy = std::max({sy[0], sy[1], sy[2], sy[3]});
        out.rect = true;
        out.rectX0 = int(std::max<int64_t>(0, ceilDiv(minSx, kSubpixel)));
        out.rectX1 = int(std::min<int64_t>(target.width, ceilDiv(maxSx, kSubpixel)));
        out.rectY0 = int(std::max<int64_t>(0, ceilDiv(minSy, kSubpixel)));
        out.rectY1 = int(std::min<int64_t>(target.height, ceilDiv(maxSy, kSubpixel)));
    }

    // Sources that a white texture or a white vertex colour make redundant;
    // colour and alpha are judged apart, since faded sprites are white with alpha.
    auto simplify = [&](Source s, bool whiteDiffuse) {
        if (!texture) {
            if (s == Source::Modulate) return Source::Diffuse;
            if (s == Source::TextureSquared) return Source::Texture;
        }
        if (whiteDiffuse) {
            if (s == Source::Modulate) return Source::Texture;
            if (s == Source::DiffuseSquared) return Source::Diffuse;
        }
        return s;
    };
    out.color = simplify(state.color, !out.gouraud && (out.diffuse & 0xFFFFFF) == 0xFFFFFF);
    out.alpha = simplify(state.alpha, !out.gouraud && (out.diffuse >> 24) == 0xFF);
    // The target keeps no alpha, so source alpha matters only to the blend factors.
    bool alphaRead = state.blend && (state.srcFactor == Factor::SrcAlpha ||
                                     state.srcFactor == Factor::InvSrcAlpha ||
                                     state.destFactor == Factor::SrcAlpha ||
                                     state.destFactor == Factor::InvSrcAlpha);
    if (!alphaRead) out.alpha = out.color;
}

}  // namespace platform::raster

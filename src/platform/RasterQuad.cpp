// The fast renderer's driver: rectangles row by row, other triangles by
// solving each edge for the first and last pixel of every row.
#include <algorithm>

#include "platform/RasterSpan.h"

namespace platform::raster {

namespace {

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

// Narrows [xa, xb] to the pixels of row py on the inner side of the edge. The
// edge function along the row is slope * px + offset; a pixel is in when it is
// at least 1, or 0 on a top or left edge.
void clipToEdge(const Edge& e, int py, int64_t& xa, int64_t& xb) {
    int64_t slope = -e.dy * kSubpixel;
    int64_t offset = e.dx * (int64_t(py) * kSubpixel - e.y0) + e.dy * e.x0;
    int64_t need = e.topLeft ? 0 : 1;
    if (slope > 0) {
        xa = std::max(xa, ceilDiv(need - offset, slope));
    } else if (slope < 0) {
        xb = std::min(xb, floorDiv(offset - need, -slope));
    } else if (offset < need) {
        xb = xa - 1;
    }
}

}  // namespace

void drawQuad(const Target& target, const Texture* texture, const RasterState& state,
              const Vertex quad[4]) {
    texture = usableTexture(texture);
    QuadSetup setup;
    setupQuad(target, texture, state, quad, setup);
    SpanContext ctx{&target, texture, &state, &setup, chooseBlend(state)};
    if (setup.rect) {
        // Both triangles share one plane and the diagonal splits nothing.
        if (setup.rectX0 >= setup.rectX1) return;
        for (int py = setup.rectY0; py < setup.rectY1; ++py) {
            drawSpan(ctx, setup.triangles[0], py, setup.rectX0, setup.rectX1);
        }
        return;
    }
    for (const TriangleSetup& tri : setup.triangles) {
        if (!tri.visible) continue;
        for (int py = tri.minY; py <= tri.maxY; ++py) {
            int64_t xa = tri.minX, xb = tri.maxX;
            for (const Edge& e : tri.edges) clipToEdge(e, py, xa, xb);
            if (xa <= xb) drawSpan(ctx, tri, py, int(xa), int(xb) + 1);
        }
    }
}

}  // namespace platform::raster

// Quad geometry: axis-aligned, table-rotated and object quads, and the trig
// tables the table rotation reads.
#include <cmath>

#include "graphics/Sprites.h"

using platform::Vertex;

float g_cosTable[360];
float g_sinTable[360];

namespace {

// Corner angle offsets in vertex order: top-left, top-right, bottom-right, bottom-left.
constexpr int kCornerOffsets[4] = {225, 315, 45, 135};

}  // namespace

void fillTrigTables() {
    for (int i = 0; i < 360; ++i) {
        g_cosTable[i] = static_cast<float>(std::cos(i * kDegToRad));
        g_sinTable[i] = static_cast<float>(std::sin(i * kDegToRad));
    }
}

Vertex spriteVertex(float x, float y, uint32_t argb, float u, float v) {
    return Vertex{x, y, 0.0f, 1.0f, argb, u, v};
}

void setQuadTexCoords(Vertex quad[4], float u, float du, float v, float dv) {
    quad[0].u = u;
    quad[0].v = v;
    quad[1].u = u + du;
    quad[1].v = v;
    quad[2].u = u + du;
    quad[2].v = v + dv;
    quad[3].u = u;
    quad[3].v = v + dv;
}

void axisQuad(Vertex quad[4], float x, float y, float w, float h, uint32_t argb, float u,
              float du, float v, float dv) {
    quad[0] = spriteVertex(x, y, argb, 0, 0);
    quad[1] = spriteVertex(x + w, y, argb, 0, 0);
    quad[2] = spriteVertex(x + w, y + h, argb, 0, 0);
    quad[3] = spriteVertex(x, y + h, argb, 0, 0);
    setQuadTexCoords(quad, u, du, v, dv);
}

void tableRotatedQuad(Vertex quad[4], float x, float y, float w, float h, int32_t angle,
                      uint32_t argb, float u, float du, float v, float dv) {
    // Reduced into 0-359 first so that a negative angle cannot index before the tables.
    int32_t a = angle % 360;
    if (a < 0) a += 360;
    float cx = x + w / 2;
    float cy = y + h / 2;
    for (int i = 0; i < 4; ++i) {
        int k = (a + kCornerOffsets[i]) % 360;
        quad[i] = spriteVertex(cx + w * g_cosTable[k], cy + h * g_sinTable[k], argb, 0, 0);
    }
    setQuadTexCoords(quad, u, du, v, dv);
}

void objectQuad(Vertex quad[4], const GameObject& g, uint32_t argb, float u, float du, float v,
                float dv) {
    float right = g.x() + g.width();
    float bottom = g.y() + g.height();
    quad[0] = spriteVertex(g.x(), g.y(), argb, 0, 0);
    quad[1] = spriteVertex(right, g.y(), argb, 0, 0);
    quad[2] = spriteVertex(right, bottom, argb, 0, 0);
    quad[3] = spriteVertex(g.x(), bottom, argb, 0, 0);
    setQuadTexCoords(quad, u, du, v, dv);
}

void objectQuadRotated(Vertex quad[4], const GameObject& g, uint32_t argb, float u, float du,
                       float v, float dv) {
    float cx = g.centreX();
    float cy = g.centreY();
    float r = static_cast<float>(g.rotation());
    for (int i = 0; i < 4; ++i) {
        double a = (r + kCornerOffsets[i]) * kDegToRad;
        float px = static_cast<float>(cx + g.width() * 0.7 * std::cos(a));
        float py = static_cast<float>(cy + g.height() * 0.7 * std::sin(a));
        quad[i] = spriteVertex(px, py, argb, 0, 0);
    }
    setQuadTexCoords(quad, u, du, v, dv);
}

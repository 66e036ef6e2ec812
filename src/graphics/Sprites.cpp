// Render states, the frame skeleton and the shared quad functions.
#include "graphics/Sprites.h"

#include <cmath>

#include "graphics/Direct3D.h"

using platform::Vertex;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// White with the given alpha. The shift wraps as a 32-bit value would, so an
// alpha outside 0-255 keeps only its low 8 bits.
uint32_t fadeColour(int32_t alpha) { return (static_cast<uint32_t>(alpha) << 24) + 0xFFFFFF; }

void setRenderState(platform::RenderState state, uint32_t value) {
    if (g_device) g_device->setRenderState(state, value);
}

void setStageState(platform::TextureStageState state, uint32_t value) {
    if (g_device) g_device->setTextureStageState(state, value);
}

}  // namespace

void enableAlphaBlend() { setRenderState(platform::D3DRS_ALPHABLENDENABLE, 1); }

void setNormalBlend() {
    setRenderState(platform::D3DRS_SRCBLEND, platform::D3DBLEND_SRCALPHA);
    setRenderState(platform::D3DRS_DESTBLEND, platform::D3DBLEND_INVSRCALPHA);
}

void setAdditiveBlend() {
    setRenderState(platform::D3DRS_SRCBLEND, platform::D3DBLEND_ONE);
    setRenderState(platform::D3DRS_DESTBLEND, platform::D3DBLEND_ONE);
}

void setGlowBlend() {
    setRenderState(platform::D3DRS_SRCBLEND, platform::D3DBLEND_SRCALPHA);
    setRenderState(platform::D3DRS_DESTBLEND, platform::D3DBLEND_ONE);
}

void setModulateStage() {
    setStageState(platform::D3DTSS_COLOROP, platform::D3DTOP_MODULATE);
    setStageState(platform::D3DTSS_COLORARG1, platform::D3DTA_TEXTURE);
    setStageState(platform::D3DTSS_COLORARG2, platform::D3DTA_DIFFUSE);
    setStageState(platform::D3DTSS_ALPHAOP, platform::D3DTOP_MODULATE);
    setStageState(platform::D3DTSS_ALPHAARG1, platform::D3DTA_TEXTURE);
    setStageState(platform::D3DTSS_ALPHAARG2, platform::D3DTA_DIFFUSE);
}

void setPointMagFilter() { setStageState(platform::D3DTSS_MAGFILTER, platform::D3DTEXF_POINT); }
void setLinearMagFilter() { setStageState(platform::D3DTSS_MAGFILTER, platform::D3DTEXF_LINEAR); }
void setFlatCubicMagFilter() { setStageState(platform::D3DTSS_MAGFILTER, platform::D3DTEXF_FLATCUBIC); }
void setLinearMinFilter() { setStageState(platform::D3DTSS_MINFILTER, platform::D3DTEXF_LINEAR); }

void setClampAddressing() {
    setStageState(platform::D3DTSS_ADDRESSU, platform::D3DTADDRESS_CLAMP);
    setStageState(platform::D3DTSS_ADDRESSV, platform::D3DTADDRESS_CLAMP);
}

void setSpriteStates() {
    // The colour operation (modulate) and the alpha arguments (texture,
    // diffuse) are left at the device's defaults.
    setStageState(platform::D3DTSS_ALPHAOP, platform::D3DTOP_MODULATE);
    setStageState(platform::D3DTSS_COLORARG1, platform::D3DTA_TEXTURE);
    setStageState(platform::D3DTSS_COLORARG2, platform::D3DTA_DIFFUSE);
    setNormalBlend();
    enableAlphaBlend();
}

void beginSceneFrame() {
    if (!g_device) return;
    g_device->clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f);
    g_device->beginScene();
    g_device->setVertexShader(platform::kFvfSprite);
}

void endSceneFrame() {
    if (!g_device) return;
    g_device->endScene();
    presentFrame();
}

void bindTexture(const platform::Texture* texture) {
    if (g_device) g_device->setTexture(texture);
}

void drawQuad(const Vertex quad[4]) {
    // An entry that failed to load is null: it draws nothing rather than a
    // white box where the picture should be.
    if (g_device && g_device->texture()) g_device->drawQuad(quad);
}

void drawSprite(const platform::Texture* texture, float x, float y, float w, float h, float u,
                float du, float v, float dv) {
    bindTexture(texture);
    setNormalBlend();
    Vertex quad[4];
    axisQuad(quad, x, y, w, h, kWhite, u, du, v, dv);
    drawQuad(quad);
}

void drawSpriteAdditive(const platform::Texture* texture, float x, float y, float w, float h,
                        float u, float du, float v, float dv) {
    bindTexture(texture);
    setAdditiveBlend();
    setLinearMagFilter();
    Vertex quad[4];
    axisQuad(quad, x, y, w, h, kWhite, u, du, v, dv);
    drawQuad(quad);
}

void drawSpriteFaded(const platform::Texture* texture, float x, float y, float w, float h,
                     float u, float du, float v, float dv, int32_t alpha) {
    bindTexture(texture);
    setNormalBlend();
    Vertex quad[4];
    axisQuad(quad, x, y, w, h, fadeColour(alpha), u, du, v, dv);
    drawQuad(quad);
}

void drawSpriteRotated(const platform::Texture* texture, float x, float y, float w, float h,
                       float u, float du, float v, float dv, int32_t angle) {
    bindTexture(texture);
    Vertex quad[4];
    tableRotatedQuad(quad, x, y, w, h, angle, kWhite, u, du, v, dv);
    drawQuad(quad);
}

void drawSpriteRotatedTinted(const platform::Texture* texture, float x, float y, float w,
                             float h, float u, float du, float v, float dv, int32_t angle,
                             const GameObject& tint) {
    bindTexture(texture);
    uint32_t argb = 0xFF000000u | (static_cast<uint32_t>(tint.red()) & 0xFF) << 16 |
                    (static_cast<uint32_t>(tint.green()) & 0xFF) << 8 |
                    (static_cast<uint32_t>(tint.blue()) & 0xFF);
    Vertex quad[4];
    tableRotatedQuad(quad, x, y, w, h, angle, argb, u, du, v, dv);
    drawQuad(quad);
}

uint32_t objectColour(const GameObject& g) {
    return (static_cast<uint32_t>(g.alpha()) & 0xFF) << 24 |
           (static_cast<uint32_t>(g.red()) & 0xFF) << 16 |
           (static_cast<uint32_t>(g.green()) & 0xFF) << 8 |
           (static_cast<uint32_t>(g.blue()) & 0xFF);
}

uint32_t objectFadeColour(const GameObject& g) { return fadeColour(g.alpha()); }

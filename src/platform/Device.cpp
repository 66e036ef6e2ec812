// The device's state machine; drawing is handed to the rasteriser.
#include "platform/Device.h"

#include <algorithm>
#include <cmath>

#include "platform/Backend.h"
#include "platform/Raster.h"

namespace platform {

namespace {

raster::Target targetOf(Texture& texture) {
    return raster::Target{texture.pixels(), texture.width(), texture.height()};
}

}  // namespace

// Direct3D 8's defaults: no blending (ONE, ZERO); stage 0 modulates the texture
// by the diffuse colour and takes alpha from the texture; wrap addressing and
// point filtering without mip-maps.
Device::Device() : renderStates_{}, stageStates_{}, backBuffer_(kBackBufferWidth, kBackBufferHeight, true) {
    renderStates_[D3DRS_ALPHABLENDENABLE] = 0;
    renderStates_[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    renderStates_[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    stageStates_[D3DTSS_COLOROP] = D3DTOP_MODULATE;
    stageStates_[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
    stageStates_[D3DTSS_COLORARG2] = D3DTA_CURRENT;
    stageStates_[D3DTSS_ALPHAOP] = D3DTOP_SELECTARG1;
    stageStates_[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
    stageStates_[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    stageStates_[D3DTSS_ADDRESSU] = D3DTADDRESS_WRAP;
    stageStates_[D3DTSS_ADDRESSV] = D3DTADDRESS_WRAP;
    stageStates_[D3DTSS_MAGFILTER] = D3DTEXF_POINT;
    stageStates_[D3DTSS_MINFILTER] = D3DTEXF_POINT;
    stageStates_[D3DTSS_MIPFILTER] = D3DTEXF_NONE;
}

void Device::setRenderState(RenderState state, uint32_t value) {
    if (uint32_t(state) < 32) renderStates_[state] = value;
}

uint32_t Device::renderState(RenderState state) const {
    return uint32_t(state) < 32 ? renderStates_[state] : 0;
}

void Device::setTextureStageState(TextureStageState state, uint32_t value) {
    if (uint32_t(state) < 32) stageStates_[state] = value;
}

uint32_t Device::textureStageState(TextureStageState state) const {
    return uint32_t(state) < 32 ? stageStates_[state] : 0;
}

void Device::clear(uint32_t flags, uint32_t argb, float) {
    if (!(flags & D3DCLEAR_TARGET)) return;
    Texture& target = target_ ? *target_ : backBuffer_;
    // The targets have no alpha channel: what is stored there is always opaque.
    std::fill_n(target.pixels(), size_t(target.width()) * target.height(), argb | 0xFF000000u);
}

bool Device::beginScene() {
    if (inScene_) return false;
    inScene_ = true;
    return true;
}

bool Device::endScene() {
    if (!inScene_) return false;
    inScene_ = false;
    return true;
}

// Drawing outside a scene is not refused: text is typed into render targets
// at moments the game chooses, and a refused draw would only lose pixels.
void Device::drawQuad(const Vertex quad[4]) {
    raster::RasterState state = raster::stateFromDevice(renderStates_, stageStates_);
    raster::drawQuad(targetOf(target_ ? *target_ : backBuffer_), texture_, state, quad);
}

bool Device::setRenderTarget(Texture* target) {
    if (target && !target->isRenderTarget()) return false;
    target_ = target;
    return true;
}

void Device::drawSpriteCopy(const Texture& source, int srcLeft, int srcTop, int srcRight,
                            int srcBottom, float x, float y, uint32_t argb) {
    // The part of the rectangle that lies on the texture, so that clamping
    // never smears edge texels.
    int left = std::max(srcLeft, 0), top = std::max(srcTop, 0);
    int right = std::min(srcRight, source.width()), bottom = std::min(srcBottom, source.height());
    if (left >= right || top >= bottom || !std::isfinite(x) || !std::isfinite(y)) return;
    // Texel (left, top) lands on the pixel nearest to (x, y).
    float px = std::floor(x + 0.5f) + float(left - srcLeft) - 0.5f;
    float py = std::floor(y + 0.5f) + float(top - srcTop) - 0.5f;
    float w = float(right - left), h = float(bottom - top);
    float u0 = float(left) / source.width(), u1 = float(right) / source.width();
    float v0 = float(top) / source.height(), v1 = float(bottom) / source.height();
    Vertex quad[4] = {
        {px, py, 0, 1, argb, u0, v0},
        {px + w, py, 0, 1, argb, u1, v0},
        {px + w, py + h, 0, 1, argb, u1, v1},
        {px, py + h, 0, 1, argb, u0, v1},
    };
    raster::RasterState state;
    state.blend = true;
    state.srcFactor = raster::Factor::SrcAlpha;
    state.destFactor = raster::Factor::InvSrcAlpha;
    state.color = raster::Source::Modulate;
    state.alpha = raster::Source::Modulate;
    state.wrapU = state.wrapV = false;
    state.magLinear = state.minLinear = false;
    raster::drawQuad(targetOf(target_ ? *target_ : backBuffer_), &source, state, quad);
}

bool Device::present() { return backend().present(backBuffer(), kBackBufferWidth, kBackBufferHeight); }

// Nothing of this device is lost with the window, so a reset always succeeds.
bool Device::reset() { return true; }

}  // namespace platform

// A small Direct3D-8-like graphics device drawn by our own software rasteriser.
// States, defaults, vertex format and rasterisation rules follow Direct3D 8, so
// game code written against Direct3D's behaviour draws the same pixels here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Render states (values as Direct3D 8 numbers them).
enum RenderState : uint32_t {
    D3DRS_ALPHABLENDENABLE = 27,
    D3DRS_SRCBLEND = 19,
    D3DRS_DESTBLEND = 20,
};

enum Blend : uint32_t {
    D3DBLEND_ZERO = 1,
    D3DBLEND_ONE = 2,
    D3DBLEND_SRCCOLOR = 3,
    D3DBLEND_INVSRCCOLOR = 4,
    D3DBLEND_SRCALPHA = 5,
    D3DBLEND_INVSRCALPHA = 6,
};

// Texture stage states of stage 0, the only stage the game uses.
enum TextureStageState : uint32_t {
    D3DTSS_COLOROP = 1,
    D3DTSS_COLORARG1 = 2,
    D3DTSS_COLORARG2 = 3,
    D3DTSS_ALPHAOP = 4,
    D3DTSS_ALPHAARG1 = 5,
    D3DTSS_ALPHAARG2 = 6,
    D3DTSS_ADDRESSU = 13,
    D3DTSS_ADDRESSV = 14,
    D3DTSS_MAGFILTER = 16,
    D3DTSS_MINFILTER = 17,
    D3DTSS_MIPFILTER = 18,
};

enum TextureOp : uint32_t {
    D3DTOP_DISABLE = 1,
    D3DTOP_SELECTARG1 = 2,
    D3DTOP_SELECTARG2 = 3,
    D3DTOP_MODULATE = 4,
};

enum TextureArg : uint32_t {
    D3DTA_DIFFUSE = 0,
    D3DTA_CURRENT = 1,
    D3DTA_TEXTURE = 2,
};

enum TextureAddress : uint32_t {
    D3DTADDRESS_WRAP = 1,
    D3DTADDRESS_CLAMP = 3,
};

enum TextureFilter : uint32_t {
    D3DTEXF_NONE = 0,
    D3DTEXF_POINT = 1,
    D3DTEXF_LINEAR = 2,
    D3DTEXF_FLATCUBIC = 4,  // filtered as linear
};

enum ClearFlags : uint32_t {
    D3DCLEAR_TARGET = 1,
    D3DCLEAR_ZBUFFER = 2,
};

constexpr uint32_t kFvfSprite = 0x144;  // XYZRHW | DIFFUSE | TEX1

// One pre-transformed vertex: 28 bytes, as the game's vertex format lays it out.
struct Vertex {
    float x, y, z, rhw;
    uint32_t diffuse;  // ARGB
    float u, v;
};
static_assert(sizeof(Vertex) == 28);

constexpr int kBackBufferWidth = 640;
constexpr int kBackBufferHeight = 480;

// A texture: ARGB pixels, row-major, width * height. Render targets have no
// alpha channel: their texels always sample as opaque.
class Texture {
public:
    Texture(int width, int height, bool renderTarget);
    int width() const { return width_; }
    int height() const { return height_; }
    bool isRenderTarget() const { return renderTarget_; }
    uint32_t* pixels() { return pixels_.data(); }
    const uint32_t* pixels() const { return pixels_.data(); }
    uint32_t texel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    int width_;
    int height_;
    bool renderTarget_;
    std::vector<uint32_t> pixels_;
};

// Decodes an image file held in memory (PNG, BMP including 8-bit palette and
// RLE, TGA, JPEG) into an A8R8G8B8 texture. Pixels of exactly colorKey (an
// opaque ARGB colour) become 0x00000000; a colorKey of 0 disables keying.
// Returns null and fills error on failure.
std::unique_ptr<Texture> createTextureFromFileInMemory(const void* data, size_t size,
                                                       uint32_t colorKey, std::string* error);

// A render-target texture in the back buffer's format, cleared to opaque black.
std::unique_ptr<Texture> createRenderTargetTexture(int width, int height);

// The device. All drawing goes into the current render target: the back buffer
// (640 x 480, X8R8G8B8) or a render-target texture.
class Device {
public:
    Device();

    // States are sticky across draws and frames; unknown states are ignored.
    void setRenderState(RenderState state, uint32_t value);
    uint32_t renderState(RenderState state) const;
    void setTextureStageState(TextureStageState state, uint32_t value);
    uint32_t textureStageState(TextureStageState state) const;
    void setVertexShader(uint32_t fvf) { fvf_ = fvf; }
    void setTexture(const Texture* texture) { texture_ = texture; }
    const Texture* texture() const { return texture_; }

    // Fills the current render target with an ARGB colour (D3DCLEAR_TARGET);
    // the depth buffer is not modelled, so D3DCLEAR_ZBUFFER alone does nothing.
    void clear(uint32_t flags, uint32_t argb, float z);
    bool beginScene();
    bool endScene();

    // Draws a D3DPT_TRIANGLEFAN of two triangles from four vertices in the
    // order top-left, top-right, bottom-right, bottom-left (any convex quad).
    // With no texture bound the texture argument reads as opaque white.
    void drawQuad(const Vertex quad[4]);

    // Null restores the back buffer. A texture that is not a render target is refused.
    bool setRenderTarget(Texture* target);
    Texture* renderTarget() const { return target_; }

    // Copies a rectangle of source to (x, y) in the current render target,
    // point-sampled, modulated by colour, alpha-blended (the sprite object).
    void drawSpriteCopy(const Texture& source, int srcLeft, int srcTop, int srcRight,
                        int srcBottom, float x, float y, uint32_t argb);

    // Hands the back buffer to the backend; false when presentation failed.
    bool present();
    bool reset();

    const uint32_t* backBuffer() const { return backBuffer_.pixels(); }
    uint32_t* backBuffer() { return backBuffer_.pixels(); }

private:
    uint32_t renderStates_[32];
    uint32_t stageStates_[32];
    uint32_t fvf_ = 0;
    const Texture* texture_ = nullptr;
    Texture backBuffer_;
    Texture* target_ = nullptr;
    bool inScene_ = false;
};

}  // namespace platform

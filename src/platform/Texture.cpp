// Texture storage and render-target creation.
#include "platform/Device.h"
#include "platform/ImageDecode.h"

namespace platform {

// Render targets start as opaque black; other textures start fully transparent
// until a decoder fills them.
Texture::Texture(int width, int height, bool renderTarget)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      renderTarget_(renderTarget),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_),
              renderTarget ? 0xFF000000u : 0u) {}

std::unique_ptr<Texture> createRenderTargetTexture(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxTextureSize || height > kMaxTextureSize) {
        return nullptr;
    }
    return std::make_unique<Texture>(width, height, true);
}

}  // namespace platform

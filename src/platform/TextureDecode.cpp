// Texture creation from an image file held in memory, with the colour key.
#include <cstring>

#include "platform/Device.h"
#include "platform/ImageDecode.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_MAX_DIMENSIONS 2048
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_ONLY_JPEG
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

static_assert(platform::kMaxTextureSize == STBI_MAX_DIMENSIONS);

namespace platform {

namespace {

bool decodeWithStb(const uint8_t* data, size_t size, DecodedImage& out, std::string& error) {
    if (size > 0x7FFFFFFF) {
        error = "image file too large";
        return false;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(data, static_cast<int>(size), &width, &height,
                                          &channels, 4);
    if (!rgba) {
        const char* reason = stbi_failure_reason();
        error = std::string("cannot decode image: ") + (reason ? reason : "unknown format");
        return false;
    }
    out.width = width;
    out.height = height;
    out.argb.resize(size_t(width) * size_t(height));
    for (size_t i = 0; i < out.argb.size(); ++i) {
        const stbi_uc* c = rgba + 4 * i;
        out.argb[i] = uint32_t(c[3]) << 24 | uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2];
    }
    stbi_image_free(rgba);
    return true;
}

}  // namespace

std::unique_ptr<Texture> createTextureFromFileInMemory(const void* data, size_t size,
                                                       uint32_t colorKey, std::string* error) {
    std::string reason;
    DecodedImage image;
    const auto* bytes = static_cast<const uint8_t*>(data);
    bool ok = false;
    if (!bytes || size == 0) {
        reason = "empty image data";
    } else if (isRleBmp(bytes, size)) {
        ok = decodeRleBmp(bytes, size, image, reason);
    } else {
        ok = decodeWithStb(bytes, size, image, reason);
    }
    if (ok && (image.width <= 0 || image.height <= 0 || image.width > kMaxTextureSize ||
               image.height > kMaxTextureSize)) {
        ok = false;
        reason = "image size out of range";
    }
    if (!ok) {
        if (error) *error = reason;
        return nullptr;
    }
    auto texture = std::make_unique<Texture>(image.width, image.height, false);
    uint32_t* dst = texture->pixels();
    for (size_t i = 0; i < image.argb.size(); ++i) {
        uint32_t c = image.argb[i];
        dst[i] = (colorKey != 0 && c == colorKey) ? 0u : c;
    }
    return texture;
}

}  // namespace platform

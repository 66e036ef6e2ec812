// Internal pieces of image decoding shared by the texture loader and its tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Larger images are refused, as cards of Direct3D 8's day refused textures
// over 2048 texels a side. No picture of the game comes near, and the limit
// keeps a corrupt header in a few bytes from costing seconds and 16 MB a texture.
constexpr int kMaxTextureSize = 2048;

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // row-major, top row first
};

// True when data starts like a BMP whose pixels are RLE4 or RLE8 compressed.
bool isRleBmp(const uint8_t* data, size_t size);

// Decodes an RLE4 or RLE8 BMP. Pixels the encoding skips take palette entry 0.
// Returns false and fills error on anything malformed; never reads outside data.
bool decodeRleBmp(const uint8_t* data, size_t size, DecodedImage& out, std::string& error);

}  // namespace platform

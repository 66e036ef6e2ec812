// Decoder for run-length compressed BMP files (RLE8 and RLE4), which the
// general image loader does not read.
#include <algorithm>

#include "platform/ImageDecode.h"

namespace platform {

namespace {

// Layout read here (little-endian):
//   0   2  "BM"
//   10  4  offset of the pixel data from the start of the file
//   14  4  info header size (40 or more)
//   18  4  width (signed)
//   22  4  height (signed; RLE bitmaps are stored bottom-up, so positive)
//   28  2  bits per pixel (8 for RLE8, 4 for RLE4)
//   30  4  compression (1 RLE8, 2 RLE4)
//   46  4  palette entries used (0 = 2^bits)
//   14 + header size: palette, 4 bytes per entry (blue, green, red, unused)
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

uint32_t readU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t readU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

bool isRleBmp(const uint8_t* data, size_t size) {
    if (size < 34 || data[0] != 'B' || data[1] != 'M') return false;
    uint32_t compression = readU32(data + 30);
    return compression == kRle8 || compression == kRle4;
}

bool decodeRleBmp(const uint8_t* data, size_t size, DecodedImage& out, std::string& error) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M') {
        error = "not a BMP file";
        return false;
    }
    uint32_t pixelOffset = readU32(data + 10);
    uint32_t headerSize = readU32(data + 14);
    int32_t width = static_cast<int32_t>(readU32(data + 18));
    int32_t height = static_cast<int32_t>(readU32(data + 22));
    uint16_t bits = readU16(data + 28);
    uint32_t compression = readU32(data + 30);
    uint32_t colorsUsed = readU32(data + 46);
    if (headerSize < 40 || headerSize > size - 14) {
        error = "BMP info header size out of range";
        return false;
    }
    if ((compression == kRle8 && bits != 8) || (compression == kRle4 && bits != 4) ||
        (compression != kRle8 && compression != kRle4)) {
        error = "BMP compression does not match its bit depth";
        return false;
    }
    if (width <= 0 || height <= 0 || width > kMaxTextureSize || height > kMaxTextureSize) {
        error = "BMP size out of range";
        return false;
    }
    uint32_t maxColors = 1u << bits;
    uint32_t paletteCount = colorsUsed == 0 ? maxColors : std::min(colorsUsed, maxColors);
    size_t paletteStart = 14 + size_t(headerSize);
    if (paletteStart + size_t(paletteCount) * 4 > size) {
        error = "BMP palette runs past the end of the file";
        return false;
    }
    if (pixelOffset >= size) {
        error = "BMP pixel data offset past the end of the file";
        return false;
    }
    uint32_t palette[256] = {};
    for (uint32_t i = 0; i < paletteCount; ++i) {
        const uint8_t* e = data + paletteStart + 4 * size_t(i);
        palette[i] = 0xFF000000u | uint32_t(e[2]) << 16 | uint32_t(e[1]) << 8 | e[0];
    }
    // Indices past the palette read as entry 0 of a zeroed table: opaque black.
    for (uint32_t i = paletteCount; i < 256; ++i) palette[i] = 0xFF000000u;

    out.width = width;
    out.height = height;
    out.argb.assign(size_t(width) * size_t(height), palette[0]);

    const uint8_t* p = data + pixelOffset;
    const uint8_t* end = data + size;
    int x = 0;
    int row = 0;  // counted from the bottom of the picture
    auto put = [&](uint32_t index) {
        if (x < width && row < height) {
            out.argb[size_t(height - 1 - row) * size_t(width) + size_t(x)] = palette[index & 0xFF];
        }
        if (x < width) ++x;  // runs past the right edge are clipped
    };
    while (row < height) {
        if (end - p < 2) {
            error = "BMP pixel data ends before its end-of-bitmap marker";
            return false;
        }
        uint8_t count = p[0];
        uint8_t value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                put(bits == 8 ? value : (i & 1) ? (value & 0x0F) : (value >> 4));
            }
        } else if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta: move right and up
            if (end - p < 2) {
                error = "BMP delta escape cut short";
                return false;
            }
            x = std::min(x + p[0], width);
            row += p[1];
            p += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            size_t bytes = bits == 8 ? value : (size_t(value) + 1) / 2;
            size_t padded = (bytes + 1) & ~size_t(1);
            if (size_t(end - p) < bytes) {
                error = "BMP absolute run past the end of the file";
                return false;
            }
            for (int i = 0; i < value; ++i) {
                put(bits == 8 ? p[i] : (i & 1) ? (p[i / 2] & 0x0F) : (p[i / 2] >> 4));
            }
            p += std::min(padded, size_t(end - p));
        }
    }
    return true;
}

}  // namespace platform

// Image files to textures: formats, palettes, run-length BMPs, colour keys,
// and refusal of anything malformed.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/Device.h"
#include "platform/ImageDecode.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image_write.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

using namespace platform;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr uint32_t kKeyBlack = 0xFF000000u, kKeyRed = 0xFFFF0000u, kKeyMagenta = 0xFFFF00FFu;

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// RGBA bytes from ARGB pixels, for the image writer.
std::vector<uint8_t> rgba(const std::vector<uint32_t>& argb) {
    std::vector<uint8_t> out(argb.size() * 4);
    for (size_t i = 0; i < argb.size(); ++i) {
        out[4 * i] = uint8_t(argb[i] >> 16);
        out[4 * i + 1] = uint8_t(argb[i] >> 8);
        out[4 * i + 2] = uint8_t(argb[i]);
        out[4 * i + 3] = uint8_t(argb[i] >> 24);
    }
    return out;
}

void put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = uint8_t(v >> (8 * i));
}

// A BMP with a 40-byte info header and a palette of ARGB colours.
Bytes makeBmp(int width, int height, int bits, uint32_t compression,
              const std::vector<uint32_t>& palette, const Bytes& pixels) {
    size_t offset = 14 + 40 + palette.size() * 4;
    Bytes b(offset);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(offset + pixels.size()));
    put32(b, 10, uint32_t(offset));
    put32(b, 14, 40);
    put32(b, 18, uint32_t(width));
    put32(b, 22, uint32_t(height));
    b[26] = 1;
    b[28] = uint8_t(bits);
    put32(b, 30, compression);
    put32(b, 34, uint32_t(pixels.size()));
    put32(b, 46, uint32_t(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        b[54 + 4 * i] = uint8_t(palette[i]);
        b[55 + 4 * i] = uint8_t(palette[i] >> 8);
        b[56 + 4 * i] = uint8_t(palette[i] >> 16);
    }
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

const std::vector<uint32_t> kPalette = {0xFF000000u, 0xFFFF0000u, 0xFFFF00FFu, 0xFF123456u};

std::vector<uint32_t> texels(const Texture& t) {
    return std::vector<uint32_t>(t.pixels(), t.pixels() + size_t(t.width()) * t.height());
}

std::unique_ptr<Texture> decode(const Bytes& file, uint32_t key, std::string* error = nullptr) {
    std::string ignored;
    return createTextureFromFileInMemory(file.data(), file.size(), key, error ? error : &ignored);
}

}  // namespace

TEST(TextureDecode, PngKeepsItsSizeAndAlphaAndKeysExactlyTheKeyColour) {
    // Black, red, magenta, half-transparent black, near-black, white: 3 x 2.
    const std::vector<uint32_t> image = {kKeyBlack,   kKeyRed,     kKeyMagenta,
                                         0x80000000u, 0xFF010000u, 0xFFFFFFFFu};
    Bytes png;
    auto data = rgba(image);
    ASSERT_TRUE(stbi_write_png_to_func(appendBytes, &png, 3, 2, 4, data.data(), 12));
    struct Case {
        uint32_t key;
        std::vector<uint32_t> expected;
    } cases[] = {
        {kKeyBlack, {0, kKeyRed, kKeyMagenta, 0x80000000u, 0xFF010000u, 0xFFFFFFFFu}},
        {kKeyRed, {kKeyBlack, 0, kKeyMagenta, 0x80000000u, 0xFF010000u, 0xFFFFFFFFu}},
        {kKeyMagenta, {kKeyBlack, kKeyRed, 0, 0x80000000u, 0xFF010000u, 0xFFFFFFFFu}},
        {0, image},
    };
    for (const Case& c : cases) {
        auto t = decode(png, c.key);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->width(), 3);
        EXPECT_EQ(t->height(), 2);
        EXPECT_FALSE(t->isRenderTarget());
        EXPECT_EQ(texels(*t), c.expected) << std::hex << c.key;
    }
}

TEST(TextureDecode, EightBitPaletteBmp) {
    // Bottom-up rows padded to 4 bytes: the bottom row is 3, 0, 1; the top 2, 2, 3.
    Bytes rows = {3, 0, 1, 0, 2, 2, 3, 0};
    auto t = decode(makeBmp(3, 2, 8, 0, kPalette, rows), kKeyBlack);
    ASSERT_TRUE(t);
    EXPECT_EQ(texels(*t), (std::vector<uint32_t>{kKeyMagenta, kKeyMagenta, 0xFF123456u,  //
                                                 0xFF123456u, 0, kKeyRed}));
}

TEST(TextureDecode, RunLengthBmps) {
    struct Case {
        const char* name;
        int width, height, bits;
        uint32_t compression;
        Bytes data;
        std::vector<uint32_t> expected;  // top row first
    } cases[] = {
        {"RLE8 runs", 4, 2, 8, 1,
         {4, 1, 0, 0, /* bottom row: four red */ 2, 2, 2, 3, 0, 1},
         {kKeyMagenta, kKeyMagenta, 0xFF123456u, 0xFF123456u, kKeyRed, kKeyRed, kKeyRed, kKeyRed}},
        {"RLE8 absolute run and delta", 4, 2, 8, 1,
         {0, 3, 1, 2, 3, 0, /* padded */ 0, 0, 0, 2, 2, 0, /* skip to the top row's x 2 */ 1, 1, 0, 1},
         {0, 0, kKeyRed, 0, kKeyRed, kKeyMagenta, 0xFF123456u, 0}},
        {"RLE4 runs and absolute nibbles", 6, 1, 4, 2,
         {3, 0x12, 0, 3, 0x30, 0x00, 0, 1},
         {kKeyRed, kKeyMagenta, kKeyRed, 0xFF123456u, 0, 0}},
        {"RLE8 runs past the right edge are clipped", 2, 1, 8, 1,
         {9, 3, 0, 1},
         {0xFF123456u, 0xFF123456u}},
    };
    for (const Case& c : cases) {
        auto t = decode(makeBmp(c.width, c.height, c.bits, c.compression, kPalette, c.data), kKeyBlack);
        ASSERT_TRUE(t) << c.name;
        EXPECT_EQ(texels(*t), c.expected) << c.name;
    }
}

TEST(TextureDecode, TgaAndJpeg) {
    const std::vector<uint32_t> image(16 * 8, 0xFF2080C0u);
    auto data = rgba(image);
    Bytes tga, jpg;
    ASSERT_TRUE(stbi_write_tga_to_func(appendBytes, &tga, 16, 8, 4, data.data()));
    ASSERT_TRUE(stbi_write_jpg_to_func(appendBytes, &jpg, 16, 8, 4, data.data(), 95));
    auto t = decode(tga, kKeyBlack);
    ASSERT_TRUE(t);
    EXPECT_EQ(texels(*t), image);
    auto j = decode(jpg, kKeyBlack);
    ASSERT_TRUE(j);
    EXPECT_EQ(j->width(), 16);
    EXPECT_EQ(j->height(), 8);
    uint32_t c = j->texel(5, 5);
    EXPECT_EQ(c >> 24, 0xFFu);
    EXPECT_NEAR(int(c >> 16 & 0xFF), 0x20, 6);
    EXPECT_NEAR(int(c & 0xFF), 0xC0, 6);
}

TEST(TextureDecode, MalformedFilesAreRefusedWithAReason) {
    Bytes good = makeBmp(2, 1, 8, 1, kPalette, {2, 1, 0, 1});
    Bytes hugeBmp = good;
    put32(hugeBmp, 18, 100000);
    Bytes badDepth = good;
    badDepth[28] = 4;  // RLE8 needs 8 bits per pixel
    Bytes longRun = makeBmp(4, 1, 8, 1, kPalette, {0, 40, 1, 2});  // absolute run past the end
    Bytes noEnd = makeBmp(2, 2, 8, 1, kPalette, {2, 1, 0, 0});     // data stops before the last row
    Bytes badOffset = good;
    put32(badOffset, 10, 5000);
    Bytes bigPalette = good;
    put32(bigPalette, 46, 200);
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
        {"huge bmp", hugeBmp},
        {"bad depth", badDepth},
        {"long run", longRun},
        {"no end", noEnd},
        {"bad offset", badOffset},
        {"palette past the end", bigPalette},
    };
    for (const auto& [name, file] : cases) {
        std::string error;
        EXPECT_EQ(decode(file, kKeyBlack, &error), nullptr) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_TRUE(decode(good, kKeyBlack));
    std::string error;
    EXPECT_EQ(createTextureFromFileInMemory(nullptr, 10, 0, &error), nullptr);
    EXPECT_EQ(createTextureFromFileInMemory(good.data(), 0, 0, nullptr), nullptr);
}

// An uncompressed 24-bit TGA of one grey row.
Bytes greyTgaRow(int width) {
    Bytes tga(18, 0);
    tga[2] = 2;
    tga[12] = static_cast<uint8_t>(width), tga[13] = static_cast<uint8_t>(width >> 8);
    tga[14] = 1;
    tga[16] = 24;
    tga.insert(tga.end(), 3 * static_cast<size_t>(width), 0x80);
    return tga;
}

TEST(TextureDecode, ImagesOverTheSizeLimitAreRefused) {
    std::string error;
    std::unique_ptr<Texture> widest = decode(greyTgaRow(kMaxTextureSize), kKeyBlack, &error);
    ASSERT_TRUE(widest) << error;
    EXPECT_EQ(widest->width(), kMaxTextureSize);
    EXPECT_EQ(decode(greyTgaRow(kMaxTextureSize + 1), kKeyBlack, &error), nullptr);
    EXPECT_FALSE(error.empty());
}

TEST(TextureDecode, TruncatedAndCorruptedFilesNeverReadOutOfBounds) {
    std::vector<uint32_t> image(9 * 7);
    std::mt19937 rng(99);
    for (uint32_t& c : image) c = uint32_t(rng());
    auto data = rgba(image);
    Bytes png, tga;
    stbi_write_png_to_func(appendBytes, &png, 9, 7, 4, data.data(), 9 * 4);
    stbi_write_tga_to_func(appendBytes, &tga, 9, 7, 4, data.data());
    Bytes rle = makeBmp(5, 3, 8, 1, kPalette, {0, 5, 1, 2, 3, 0, 1, 0, 0, 2, 1, 1, 0, 0, 3, 3, 0, 1});
    for (const Bytes& file : {png, tga, rle}) {
        for (size_t length = 0; length < file.size(); ++length) {
            // Copies of exactly the given length, so that ASan sees any overread.
            Bytes cut(file.begin(), file.begin() + long(length));
            auto t = decode(cut, 0);
            if (t) {
                EXPECT_GT(t->width() * t->height(), 0);
            }
        }
        for (int round = 0; round < 200; ++round) {
            Bytes broken = file;
            for (int k = 0; k < 4; ++k) broken[rng() % broken.size()] = uint8_t(rng());
            decode(broken, kKeyBlack);
        }
    }
}

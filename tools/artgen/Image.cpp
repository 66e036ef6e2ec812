// PNG reading and writing through libpng, and the key-colour rules of the stored pictures.
#include "Image.h"

#include <cairo.h>
#include <png.h>

#include <cstdio>

namespace art {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
// Coverage below this is antialiasing dust; it becomes background rather than a faint opaque speck.
constexpr std::uint32_t kMinAlpha = 4;

std::uint32_t nudgeOffKey(std::uint32_t pixel, int key) {
    if ((pixel & kRgbMask) != keyColour(key)) return pixel;
    switch (key) {
    case 1: return (pixel & 0xFF000000) | 0xFE0000;
    case 2: return (pixel & 0xFF000000) | 0xFE00FE;
    default: return (pixel & 0xFF000000) | 0x010101;
    }
}

std::uint32_t premultipliedOverBlack(std::uint32_t pixel) { return 0xFF000000 | (pixel & kRgbMask); }

std::uint32_t unpremultiply(std::uint32_t pixel) {
    const std::uint32_t a = pixel >> 24;
    if (a == 0) return 0;
    if (a == 255) return pixel;
    auto channel = [&](int shift) {
        const std::uint32_t c = (pixel >> shift) & 0xFF;
        const std::uint32_t v = (c * 255 + a / 2) / a;
        return (v > 255 ? 255u : v) << shift;
    };
    return a << 24 | channel(16) | channel(8) | channel(0);
}

bool inRect(const Rect& rect, int x, int y) { return x >= rect.x0 && x < rect.x1 && y >= rect.y0 && y < rect.y1; }

}  // namespace

Image imageFromSurface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Image image;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) image.pixels[static_cast<std::size_t>(y) * image.width + x] = row[x];
    }
    return image;
}

Image finishEntry(const Image& premultiplied, const Entry& entry, int key) {
    Image out = premultiplied;
    const std::uint32_t keyPixel = keyColour(key);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t& pixel = out.pixels[static_cast<std::size_t>(y) * out.width + x];
            const std::uint32_t alpha = pixel >> 24;
            bool additive = entry.mode == EntryMode::Add || entry.mode == EntryMode::Opaque;
            if (!additive)
                for (const Rect& rect : entry.rects)
                    if (rect.use == RectUse::Additive && inRect(rect, x, y)) additive = true;
            if (additive && (alpha > 0 || entry.mode != EntryMode::Alpha)) {
                // Over black, which is what an additive blend adds to the screen anyway.
                pixel = premultipliedOverBlack(pixel);
                if (key == 0 && (pixel & kRgbMask) == 0 && entry.mode != EntryMode::Opaque) continue;
                pixel = nudgeOffKey(pixel, key);
            } else if (alpha < kMinAlpha) {
                pixel = keyPixel;
            } else {
                pixel = nudgeOffKey(unpremultiply(pixel), key);
            }
        }
    }
    return out;
}

bool isTransparent(std::uint32_t pixel, int key) {
    return (pixel >> 24) == 0 || pixel == (0xFF000000 | keyColour(key));
}

std::vector<std::string> checkEntry(const Image& image, const Archive& archive, const Entry& entry) {
    std::vector<std::string> problems;
    const std::string name = pngName(archive, entry);
    if (image.width != entry.width || image.height != entry.height) {
        problems.push_back(name + ": size " + std::to_string(image.width) + "x" + std::to_string(image.height) +
                           ", catalog says " + std::to_string(entry.width) + "x" + std::to_string(entry.height));
        return problems;
    }
    const std::uint32_t keyPixel = keyColour(archive.key);
    int strayKeys = 0, translucent = 0;
    for (std::uint32_t pixel : image.pixels) {
        const std::uint32_t alpha = pixel >> 24;
        if (alpha == 0 && (pixel & kRgbMask) != keyPixel) ++strayKeys;
        if (alpha != 0 && alpha != 255 && (pixel & kRgbMask) == keyPixel) ++strayKeys;
        if (alpha != 255 && entry.mode != EntryMode::Alpha) ++translucent;
        if (entry.mode == EntryMode::Opaque && pixel == (0xFF000000 | keyPixel)) ++strayKeys;
    }
    if (strayKeys) problems.push_back(name + ": " + std::to_string(strayKeys) + " texels misuse the key colour");
    if (translucent) problems.push_back(name + ": " + std::to_string(translucent) + " translucent texels");
    for (const Rect& rect : entry.rects) {
        for (int cell = 0; cell < rect.cells; ++cell) {
            int visible = 0, total = 0, faded = 0;
            for (int y = rect.y0; y < rect.y1; ++y)
                for (int x = rect.cellX(cell); x < rect.cellX(cell) + rect.cellWidth(); ++x) {
                    ++total;
                    const std::uint32_t pixel = image.at(x, y);
                    if (!isTransparent(pixel, archive.key) && (rect.use != RectUse::Opaque || pixel >> 24 == 255))
                        ++visible;
                    faded += (pixel >> 24) != 0 && (pixel >> 24) != 255;
                }
            const std::string where = name + " " + rect.id + " cell " + std::to_string(cell);
            // An additive blend ignores alpha: light faded out through alpha would show at full strength.
            if (rect.use == RectUse::Additive && faded > 0)
                problems.push_back(where + ": " + std::to_string(faded) + " translucent texels in an additive picture");
            if (rect.use == RectUse::Clear && visible > 0) problems.push_back(where + ": must be transparent");
            if (rect.use == RectUse::Opaque && visible < total) problems.push_back(where + ": has see-through texels");
            if ((rect.use == RectUse::Normal || rect.use == RectUse::Additive) && visible < 1 + total / 100)
                problems.push_back(where + ": nearly empty");
        }
    }
    return problems;
}

namespace {

// libpng reports errors by longjmp, so the code under its setjmp touches no
// object that owns memory other than through pointers made before the jump.
bool writeRows(std::FILE* file, const Image& image, unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png))) ok = false;
    if (ok) {
        png_init_io(png, file);
        png_set_compression_level(png, 9);
        png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t p = image.at(x, y);
                row[x * 4 + 0] = static_cast<unsigned char>(p >> 16);
                row[x * 4 + 1] = static_cast<unsigned char>(p >> 8);
                row[x * 4 + 2] = static_cast<unsigned char>(p);
                row[x * 4 + 3] = static_cast<unsigned char>(p >> 24);
            }
            png_write_row(png, row);
        }
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    return ok;
}

enum class PngRead { Read, Unreadable, UnreasonableSize, UnsupportedLayout };

// The size first, then, once out holds room for the pixels, the rows.
PngRead readRows(std::FILE* file, Image& out, std::vector<unsigned char>& row) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile PngRead result = png && info ? PngRead::Read : PngRead::Unreadable;
    if (result == PngRead::Read && setjmp(png_jmpbuf(png))) result = PngRead::Unreadable;
    if (result == PngRead::Read) {
        png_init_io(png, file);
        png_read_info(png, info);
        const png_uint_32 width = png_get_image_width(png, info);
        const png_uint_32 height = png_get_image_height(png, info);
        if (width == 0 || height == 0 || width > 16384 || height > 16384) {
            result = PngRead::UnreasonableSize;
        } else {
            png_set_expand(png);
            png_set_strip_16(png);
            png_set_gray_to_rgb(png);
            png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
            png_read_update_info(png, info);
            if (png_get_rowbytes(png, info) != width * 4) {
                result = PngRead::UnsupportedLayout;
            } else {
                out.width = static_cast<int>(width);
                out.height = static_cast<int>(height);
                out.pixels.assign(static_cast<std::size_t>(width) * height, 0);
                row.resize(width * 4);
                for (png_uint_32 y = 0; y < height; ++y) {
                    png_read_row(png, row.data(), nullptr);
                    for (png_uint_32 x = 0; x < width; ++x)
                        out.pixels[y * width + x] = static_cast<std::uint32_t>(row[x * 4 + 3]) << 24 |
                                                    static_cast<std::uint32_t>(row[x * 4]) << 16 |
                                                    static_cast<std::uint32_t>(row[x * 4 + 1]) << 8 | row[x * 4 + 2];
                }
            }
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}

}  // namespace

bool writePng(const Image& image, const std::string& path, std::string& error) {
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        error = path + ": cannot create";
        return false;
    }
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width) * 4);
    const bool ok = writeRows(file, image, row.data());
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = path + ": write failed";
        return false;
    }
    return true;
}

bool readPng(const std::string& path, Image& out, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": cannot open";
        return false;
    }
    std::vector<unsigned char> row;
    const PngRead result = readRows(file, out, row);
    std::fclose(file);
    switch (result) {
    case PngRead::Read: return true;
    case PngRead::Unreadable: error = path + ": not a readable PNG"; break;
    case PngRead::UnreasonableSize: error = path + ": unreasonable size"; break;
    case PngRead::UnsupportedLayout: error = path + ": unsupported pixel layout"; break;
    }
    return false;
}

}  // namespace art

// Straight-alpha ARGB images, their PNG files, and the key-colour rules every entry is written under.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Catalog.h"

typedef struct _cairo_surface cairo_surface_t;

namespace art {

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, not premultiplied, row by row

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Copies a cairo ARGB32 surface, undoing cairo's premultiplied alpha.
Image imageFromSurface(cairo_surface_t* surface);

// Writes an 8-bit RGBA PNG without time or text chunks, so equal images give equal bytes.
bool writePng(const Image& image, const std::string& path, std::string& error);
bool readPng(const std::string& path, Image& out, std::string& error);

// Turns what the painter left into the stored picture: transparent texels become the key colour with
// alpha 0, additive art is flattened over black, and art that happens to hit the key colour is nudged
// one step off it so that only the background ever matches the key.
// `premultiplied` holds cairo's premultiplied pixels of the entry.
Image finishEntry(const Image& premultiplied, const Entry& entry, int key);

// A texel is see-through in the game when its alpha is 0 or it is the opaque key colour.
bool isTransparent(std::uint32_t pixel, int key);

// Everything the stored picture must satisfy; returns one line per problem found.
std::vector<std::string> checkEntry(const Image& image, const Archive& archive, const Entry& entry);

}  // namespace art

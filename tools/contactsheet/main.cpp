// contactsheet: one review picture per archive, every entry enlarged over a checkerboard (where the
// game would see through it) with each catalogued rectangle and its frames outlined and labelled.
//   contactsheet CATALOG PNGDIR OUTDIR
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Catalog.h"
#include "Image.h"
#include "Paint.h"

namespace {

constexpr int kMargin = 24;
constexpr int kHeader = 40;
constexpr int kMaxRowWidth = 2200;

int fail(const std::string& message) {
    std::fprintf(stderr, "contactsheet: %s\n", message.c_str());
    return 1;
}

// Enlargement so that small entries stay readable and large ones keep their texels visible.
int scaleFor(const art::Entry& entry) {
    const int side = std::max(entry.width, entry.height);
    return side >= 512 ? 2 : std::clamp(512 / side, 1, 16);
}

cairo_surface_t* surfaceOf(const art::Image& image, int key) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, y);
            if (art::isTransparent(p, key)) {
                row[x] = 0;
                continue;
            }
            const std::uint32_t a = p >> 24;
            auto premultiplied = [&](int shift) { return (((p >> shift) & 0xFF) * a + 127) / 255 << shift; };
            row[x] = a << 24 | premultiplied(16) | premultiplied(8) | premultiplied(0);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    art::fillRect(cr, x, y, w, h, {0.35, 0.35, 0.38});
    for (int j = 0; j * 8 < h; ++j)
        for (int i = (j % 2); i * 8 < w; i += 2) art::fillRect(cr, x + i * 8, y + j * 8, 8, 8, {0.45, 0.45, 0.48});
    cairo_restore(cr);
}

void label(cairo_t* cr, const std::string& text, double x, double y, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    art::fillRect(cr, x, y, extents.x_advance + 4, size + 4, {0, 0, 0}, 0.7);
    cairo_move_to(cr, x + 2, y + size);
    art::setColour(cr, {1.0, 1.0, 0.6});
    cairo_show_text(cr, text.c_str());
}

struct Placed {
    const art::Entry* entry;
    int x, y, scale;
};

bool drawArchive(const art::Archive& archive, const std::string& pngDir, const std::string& outPath,
                 std::string& error) {
    std::vector<Placed> placed;
    int x = kMargin, y = kHeader, rowHeight = 0, width = 0;
    for (const art::Entry& entry : archive.entries) {
        const int scale = scaleFor(entry);
        const int w = entry.width * scale, h = entry.height * scale + 20;
        if (x + w > kMaxRowWidth && x > kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        placed.push_back({&entry, x, y + 20, scale});
        x += w + kMargin;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    const int height = y + rowHeight + kMargin;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(sheet);
    art::fillRect(cr, 0, 0, width, height, {0.12, 0.12, 0.14});
    label(cr, archive.name + ".pac  key " + std::to_string(archive.key), kMargin, 8, 18);
    bool ok = true;
    for (const Placed& p : placed) {
        const art::Entry& entry = *p.entry;
        art::Image image;
        if (!art::readPng(pngDir + "/" + art::pngName(archive, entry), image, error)) {
            ok = false;
            break;
        }
        const double w = entry.width * p.scale, h = entry.height * p.scale;
        label(cr, "entry " + std::to_string(entry.index) + "  " + std::to_string(entry.width) + "x" +
                      std::to_string(entry.height) + "  x" + std::to_string(p.scale),
              p.x, p.y - 20, 12);
        checkerboard(cr, p.x, p.y, w, h);
        cairo_surface_t* picture = surfaceOf(image, archive.key);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_scale(cr, p.scale, p.scale);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(picture);
        for (const art::Rect& r : entry.rects) {
            cairo_rectangle(cr, p.x + r.x0 * p.scale + 0.5, p.y + r.y0 * p.scale + 0.5, r.width() * p.scale - 1,
                            r.height() * p.scale - 1);
            art::setColour(cr, {0.2, 1.0, 0.4}, 0.9);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            for (int c = 1; c < r.cells; ++c) {
                cairo_move_to(cr, p.x + r.cellX(c) * p.scale + 0.5, p.y + r.y0 * p.scale);
                cairo_line_to(cr, p.x + r.cellX(c) * p.scale + 0.5, p.y + r.y1 * p.scale);
            }
            art::setColour(cr, {0.2, 1.0, 0.4}, 0.45);
            cairo_stroke(cr);
            label(cr, r.id, p.x + r.x0 * p.scale + 1, p.y + r.y0 * p.scale + 1, 10);
        }
    }
    cairo_destroy(cr);
    if (ok && cairo_surface_write_to_png(sheet, outPath.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = outPath + ": cannot write";
        ok = false;
    }
    cairo_surface_destroy(sheet);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return fail("usage: contactsheet CATALOG PNGDIR OUTDIR");
    art::Catalog catalog;
    std::string error;
    if (!art::loadCatalog(argv[1], catalog, error)) return fail(error);
    for (const art::Archive& archive : catalog.archives)
        if (!drawArchive(archive, argv[2], std::string(argv[3]) + "/" + archive.name + ".png", error))
            return fail(error);
    return 0;
}

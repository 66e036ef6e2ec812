// The application icon, drawn in a 256-unit square and scaled to each size.
#include <cmath>

#include "Icon.h"
#include "Paint.h"

namespace art {

namespace {

constexpr double kUnits = 256;

// The night tile behind the craft: a rounded square with a little margin, as
// desktop icons have.
void tile(cairo_t* cr, bool detailed) {
    roundedRect(cr, 8, 8, 240, 240, 44);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 8, 0, 248);
    cairo_pattern_add_color_stop_rgb(sky, 0, palette::kViolet.r, palette::kViolet.g, palette::kViolet.b);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, palette::kIndigo.r, palette::kIndigo.g, palette::kIndigo.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, palette::kNight.r, palette::kNight.g, palette::kNight.b);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    setColour(cr, palette::kGold, 0.7);
    cairo_set_line_width(cr, detailed ? 5 : 10);
    cairo_stroke(cr);
    if (!detailed) return;
    constexpr double kStars[][3] = {{48, 52, 5}, {204, 46, 4}, {40, 186, 3}, {216, 186, 4}, {70, 206, 3}, {192, 214, 3}};
    for (const auto& star : kStars) {
        starPath(cr, star[0], star[1], star[2] * 1.6, star[2] * 0.5, 4, 0);
        setColour(cr, palette::kPaper, 0.85);
        cairo_fill(cr);
    }
}

// Fills the current path with the pattern, which it releases, and outlines it in ink.
void fillOutlined(cairo_t* cr, cairo_pattern_t* fill, double lineWidth) {
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

// Swept wings behind the lantern, one each side, mirrored.
void wings(cairo_t* cr, double lineWidth) {
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 128 + side * 30, 110);
        cairo_curve_to(cr, 128 + side * 70, 96, 128 + side * 92, 90, 128 + side * 106, 64);
        cairo_curve_to(cr, 128 + side * 106, 120, 128 + side * 84, 156, 128 + side * 34, 168);
        cairo_close_path(cr);
        cairo_pattern_t* wing = cairo_pattern_create_linear(128, 64, 128, 168);
        cairo_pattern_add_color_stop_rgb(wing, 0, 1.0, 0.62, 0.32);
        cairo_pattern_add_color_stop_rgb(wing, 1, palette::kVermilion.r, palette::kVermilion.g, palette::kVermilion.b);
        fillOutlined(cr, wing, lineWidth);
    }
}

// The paper lantern: glowing ribbed body between two lacquered caps.
void lanternBody(cairo_t* cr, bool detailed, double lineWidth) {
    glow(cr, 128, 136, detailed ? 110 : 92, palette::kAmber, 0.55);
    ellipsePath(cr, 128, 136, 54, 62);
    cairo_pattern_t* body = cairo_pattern_create_radial(116, 120, 4, 128, 136, 66);
    cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 0.98, 0.86);
    cairo_pattern_add_color_stop_rgb(body, 0.45, palette::kGold.r, palette::kGold.g, palette::kGold.b);
    cairo_pattern_add_color_stop_rgb(body, 1, palette::kVermilion.r, palette::kVermilion.g, palette::kVermilion.b);
    fillOutlined(cr, body, lineWidth);
    if (detailed) {
        // Ribs follow the body's curve.
        setColour(cr, palette::kVermilion, 0.55);
        cairo_set_line_width(cr, 3);
        for (int i = 1; i < 5; ++i) {
            const double y = 74 + 124.0 * i / 5;
            const double half = 54 * std::sqrt(1 - std::pow((y - 136) / 62, 2));
            cairo_move_to(cr, 128 - half, y);
            cairo_curve_to(cr, 128 - half * 0.5, y + 6, 128 + half * 0.5, y + 6, 128 + half, y);
        }
        cairo_stroke(cr);
    }
    // Caps, a hanging cord and a tassel.
    roundedRect(cr, 98, 66, 60, 16, 5);
    roundedRect(cr, 98, 190, 60, 16, 5);
    setColour(cr, palette::kLacquer);
    cairo_fill_preserve(cr);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, lineWidth * 0.7);
    cairo_stroke(cr);
    fillRect(cr, 122, 206, 12, detailed ? 26 : 22, palette::kGold);
    if (detailed) {
        fillRect(cr, 125, 40, 6, 26, palette::kInk);
        glow(cr, 110, 116, 22, palette::kWhite, 0.8, 0.4);
    }
}

}  // namespace

void paintIcon(cairo_t* cr, int size) {
    const bool detailed = size >= 48;
    // Outlines are at least a pixel wide at every size.
    const double lineWidth = std::fmax(5.0, kUnits / size);
    cairo_save(cr);
    cairo_scale(cr, size / kUnits, size / kUnits);
    tile(cr, detailed);
    wings(cr, lineWidth);
    lanternBody(cr, detailed, lineWidth);
    cairo_restore(cr);
}

}  // namespace art

// e_s.pac: enemy bullets, lasers, beams and the drifters. Bullets have white-hot cores inside a
// saturated halo so they read against every background.
#include <cmath>

#include "Fx.h"
#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

void outlined(cairo_t* cr, Colour fill, double width) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A row of directional bullets, cell c pointing at firstDegrees + 5c. The 0-degree needle runs to the
// left edge of its cell so bullets whose angle went negative still show as a bar.
void directionalRow(cairo_t* cr, const Rect& r, double firstDegrees, double length, double width, Colour tone) {
    for (int c = 0; c < r.cells; ++c) {
        const double degrees = firstDegrees + 5 * c;
        const double cx = r.cellX(c) + 8, cy = r.y0 + 8;
        const double reach = degrees == 0 ? 16 : length;
        glow(cr, cx, cy, 7, tone, 0.6);
        needle(cr, cx, cy, reach, width, degrees, tone);
    }
}

void laserFrames(cairo_t* cr, const Rect& r, bool muzzle) {
    for (int f = 0; f < r.cells; ++f) {
        const double x = r.cellX(f), y = r.y0, w = r.cellWidth(), h = r.height();
        const double flicker = 0.85 + 0.15 * std::sin(f * M_PI / 2);
        if (!muzzle) {
            // Across the beam: dark at the top and bottom edges, white along the centre line.
            cairo_pattern_t* across = cairo_pattern_create_linear(0, y, 0, y + h);
            cairo_pattern_add_color_stop_rgb(across, 0.0, 0, 0, 0);
            cairo_pattern_add_color_stop_rgb(across, 0.25, 0.45 * flicker, 0.05, 0.25 * flicker);
            cairo_pattern_add_color_stop_rgb(across, 0.45, 1.0 * flicker, 0.45, 0.75 * flicker);
            cairo_pattern_add_color_stop_rgb(across, 0.5, 1, 1, 1);
            cairo_pattern_add_color_stop_rgb(across, 0.55, 1.0 * flicker, 0.45, 0.75 * flicker);
            cairo_pattern_add_color_stop_rgb(across, 0.75, 0.45 * flicker, 0.05, 0.25 * flicker);
            cairo_pattern_add_color_stop_rgb(across, 1.0, 0, 0, 0);
            cairo_rectangle(cr, x, y, w, h);
            cairo_set_source(cr, across);
            cairo_fill(cr);
            cairo_pattern_destroy(across);
            // Fade in from the base on the left, brighter at the tip.
            for (int i = 0; i < 6; ++i)
                glow(cr, x + 10 + i * 22, y + h / 2, 10 + f * 2, kWhite, 0.25);
        } else {
            glow(cr, x + w / 2, y + h / 2, w / 2, {1.0, 0.35, 0.70}, 0.9 * flicker);
            glow(cr, x + w / 2, y + h / 2, w / 4, kWhite, 1.0, 0.3);
        }
    }
}

void dart(cairo_t* cr, const Rect& r) {
    const double cy = r.y0 + 16;
    cairo_move_to(cr, r.x0 + 2, cy);
    cairo_line_to(cr, r.x0 + 22, cy - 7);
    cairo_line_to(cr, r.x0 + 30, cy - 10);
    cairo_line_to(cr, r.x0 + 26, cy);
    cairo_line_to(cr, r.x0 + 30, cy + 10);
    cairo_line_to(cr, r.x0 + 22, cy + 7);
    cairo_close_path(cr);
    outlined(cr, kBulletRed, 1.5);
    needle(cr, r.x0 + 13, cy, 16, 4, 0, kWhite);
}

void lineRunner(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double x = r.cellX(f), cy = r.y0 + 16;
        for (int seg = 0; seg < 5; ++seg) {
            const double sx = x + 10 + seg * 10, sy = cy + std::sin((seg + f) * M_PI / 2) * 4;
            cairo_arc(cr, sx, sy, seg == 0 ? 8 : 6 - seg * 0.6, 0, 2 * M_PI);
            outlined(cr, seg == 0 ? kVermilion : kViolet, 1.2);
        }
        cairo_arc(cr, x + 7, cy - 2, 2.5, 0, 2 * M_PI);
        setColour(cr, kGold);
        cairo_fill(cr);
    }
}

void drifter(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 16, cy = r.y0 + 13;
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(cr, cx - 7 + i * 4.5, cy + 6);
            cairo_curve_to(cr, cx - 8 + i * 4.5 + f * 2, cy + 12, cx - 5 + i * 4.5 - f, cy + 16, cx - 6 + i * 4.5,
                           cy + 18);
            setColour(cr, kPaper, 0.9);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        cairo_arc(cr, cx, cy, 10, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + 10, cy + 6);
        cairo_line_to(cr, cx - 10, cy + 6);
        cairo_close_path(cr);
        outlined(cr, {0.50, 0.75, 0.95}, 1.2);
        cairo_arc(cr, cx - 4, cy - 1, 2, 0, 2 * M_PI);
        setColour(cr, kInk);
        cairo_fill(cr);
    }
}

}  // namespace

void paintEnemyShots(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    switch (sheet.entry.index) {
    case 0: {
        const Rect& r = sheet.rect("seed");
        glow(cr, r.x0 + 16, r.y0 + 16, 16, kBulletRed, 1.0, 0.2);
        glow(cr, r.x0 + 16, r.y0 + 16, 9, kWhite, 1.0, 0.5);
        break;
    }
    case 1: {
        const Rect& r = sheet.rect("round");
        glow(cr, r.x0 + 8, r.y0 + 8, 8, {1.0, 0.25, 0.55}, 1.0, 0.35);
        glow(cr, r.x0 + 8, r.y0 + 8, 4.5, kWhite, 1.0, 0.6);
        break;
    }
    case 2: {
        const Rect& r = sheet.rect("spiralArm");
        glow(cr, r.x0 + 8, r.y0 + 8, 8, kBulletBlue, 1.0, 0.35);
        glow(cr, r.x0 + 8, r.y0 + 8, 4, kWhite, 1.0, 0.6);
        break;
    }
    default: {
        const Rect& fan = sheet.rect("fanEmitter");
        cairo_arc(cr, fan.x0 + 8, fan.y0 + 8, 6, 0, 2 * M_PI);
        setColour(cr, kAmber);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        glow(cr, fan.x0 + 8, fan.y0 + 8, 4, kWhite, 1.0, 0.5);
        const Rect& dirB = sheet.rect("dirB");
        directionalRow(cr, dirB, 0, 15, 6, kBulletBlue);
        const Rect& dirBTail = sheet.rect("dirBTail");
        directionalRow(cr, dirBTail, 160, 15, 6, kBulletBlue);
        // Cell 0 of the tail row is never selected; give it the 155-degree picture anyway.
        needle(cr, dirBTail.x0 - 8, dirBTail.y0 + 8, 15, 6, 155, kBulletBlue);
        const Rect& dirA = sheet.rect("dirA");
        directionalRow(cr, dirA, 0, 14, 5, kBulletRed);
        const Rect& dirATail = sheet.rect("dirATail");
        directionalRow(cr, dirATail, 160, 14, 5, kBulletRed);
        needle(cr, dirATail.x0 - 8, dirATail.y0 + 8, 14, 5, 155, kBulletRed);
        dart(cr, sheet.rect("dart"));
        lineRunner(cr, sheet.rect("lineRunner"));
        drifter(cr, sheet.rect("drifter"));
        laserFrames(cr, sheet.rect("laserCore"), false);
        laserFrames(cr, sheet.rect("laserMuzzle"), true);
        const Rect& strip = sheet.rect("beamStrip");
        // Uniform along x; the harmful rows 8-13 carry the white core.
        fillRect(cr, strip.x0, strip.y0 + 5, strip.width(), 11, {0.55, 0.10, 0.40});
        fillRect(cr, strip.x0, strip.y0 + 7, strip.width(), 8, {1.0, 0.45, 0.75});
        fillRect(cr, strip.x0, strip.y0 + 9, strip.width(), 4, kWhite);
        break;
    }
    }
}

}  // namespace art

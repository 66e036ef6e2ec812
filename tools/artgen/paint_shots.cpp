// p_s1.pac / p_s2.pac: the pilots' shots, release attacks and sub-weapons. Most are drawn additively,
// so they are painted as light over black; the sub-weapon pictures double as select-screen icons.
#include <cmath>

#include "Fx.h"
#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

// A horizontal bolt filling a cell, brightest along its centre line.
void bolt(cairo_t* cr, double x, double y, double w, double h, Colour tone, double taper) {
    const double cy = y + h / 2;
    cairo_move_to(cr, x + 1, cy);
    cairo_curve_to(cr, x + w * 0.3, cy - h * taper, x + w * 0.7, cy - h / 2 + 0.5, x + w - 1, cy);
    cairo_curve_to(cr, x + w * 0.7, cy + h / 2 - 0.5, x + w * 0.3, cy + h * taper, x + 1, cy);
    cairo_close_path(cr);
    setColour(cr, tone, 0.9);
    cairo_fill(cr);
    cairo_move_to(cr, x + 4, cy);
    cairo_line_to(cr, x + w - 3, cy);
    setColour(cr, kWhite);
    cairo_set_line_width(cr, std::fmax(1.0, h * 0.25));
    cairo_stroke(cr);
}

void sheetA0(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    sheet.rect("carrier");
    // The rectangles share their boundary rows (15, 31, 47): each bolt stays a row inside its own band.
    const Rect& tap = sheet.rect("tapB");
    for (int f = 0; f < 2; ++f) bolt(cr, tap.cellX(f), tap.y0 + 1, 64, 8, f ? kPaper : kGold, 0.2);
    const Rect& boltB = sheet.rect("boltB");
    for (int f = 0; f < 2; ++f) bolt(cr, boltB.cellX(f), boltB.y0 + 2, 64, 13, f ? kGold : kAmber, 0.3);
    const Rect& beam = sheet.rect("beamBolt");
    for (int f = 0; f < 2; ++f) bolt(cr, beam.cellX(f) + 8, beam.y0 + 2, 56, 13, f ? kPaper : kVermilion, 0.3);
    const Rect& charged = sheet.rect("chargeB");
    for (int f = 0; f < 2; ++f) bolt(cr, charged.cellX(f), charged.y0 + 2, 64, 14, f ? kAmber : kVermilion, 0.35);
    // The homing pellet sits at the rotating-beam bolt's left tip.
    const Rect& pellet = sheet.rect("pellet");
    glow(cr, pellet.x0 + 4, pellet.y0 + 2, 4.5, kAmber, 1.0, 0.5);
}

void releaseKeeper(cairo_t* cr, const Rect& r) {
    // A wall of lantern fire inside the hit box (84-180 x 16-213), its column 255 a soft streak.
    glow(cr, r.x0 + 132, r.y0 + 114, 110, kVermilion, 0.7);
    for (int i = 0; i < 7; ++i) {
        const double y = r.y0 + 30 + i * 28;
        glow(cr, r.x0 + 132 + (i % 2) * 16, y, 34, kAmber, 0.9);
        glow(cr, r.x0 + 140 + (i % 2) * 16, y, 14, kWhite, 0.9);
    }
    cairo_pattern_t* streak = cairo_pattern_create_linear(0, r.y0, 0, r.y1);
    cairo_pattern_add_color_stop_rgba(streak, 0, 1, 0.6, 0.2, 0);
    cairo_pattern_add_color_stop_rgba(streak, 0.5, 1, 0.6, 0.2, 0.5);
    cairo_pattern_add_color_stop_rgba(streak, 1, 1, 0.6, 0.2, 0);
    cairo_rectangle(cr, r.x1 - 6, r.y0, 6, r.height());
    cairo_set_source(cr, streak);
    cairo_fill(cr);
    cairo_pattern_destroy(streak);
}

// Along the diagonal from the tail at the top-left to the head at the bottom-right.
void diagonalLaser(cairo_t* cr, const Rect& r, Colour tone, double width) {
    cairo_save(cr);
    cairo_translate(cr, r.x0 + r.width() / 2.0, r.y0 + r.height() / 2.0);
    cairo_rotate(cr, M_PI / 4);
    const double half = r.width() * 0.68;
    cairo_pattern_t* along = cairo_pattern_create_linear(-half, 0, half, 0);
    cairo_pattern_add_color_stop_rgba(along, 0, tone.r, tone.g, tone.b, 0);
    cairo_pattern_add_color_stop_rgba(along, 0.8, tone.r, tone.g, tone.b, 1);
    cairo_pattern_add_color_stop_rgba(along, 1, 1, 1, 1, 1);
    ellipsePath(cr, 0, 0, half, width);
    cairo_set_source(cr, along);
    cairo_fill(cr);
    cairo_pattern_destroy(along);
    ellipsePath(cr, half * 0.2, 0, half * 0.7, width * 0.3);
    setColour(cr, kWhite, 0.8);
    cairo_fill(cr);
    cairo_restore(cr);
}

void sword(cairo_t* cr, const Rect& r) {
    // Hilt at texel (0,0), blade along the diagonal to (64,64). Solid over black: the swing's trail
    // copies add it to the screen, the blade itself is blended normally.
    cairo_save(cr);
    cairo_translate(cr, r.x0, r.y0);
    cairo_rotate(cr, M_PI / 4);
    fillRect(cr, 0, -3, 14, 6, kLacquer);
    fillRect(cr, 13, -7, 4, 14, kGold);
    cairo_move_to(cr, 17, -4);
    cairo_line_to(cr, 82, -1);
    cairo_line_to(cr, 88, 0);
    cairo_line_to(cr, 82, 1.5);
    cairo_line_to(cr, 17, 4);
    cairo_close_path(cr);
    cairo_pattern_t* blade = cairo_pattern_create_linear(0, -4, 0, 4);
    cairo_pattern_add_color_stop_rgb(blade, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(blade, 1, 0.55, 0.75, 0.95);
    cairo_set_source(cr, blade);
    cairo_fill(cr);
    cairo_pattern_destroy(blade);
    cairo_restore(cr);
}

// Drawn normally as the body and additively, at full strength whatever its alpha, as six trail
// copies: so it has no soft halo, only solid blades whose edges darken over black.
void boomerang(cairo_t* cr, const Rect& r) {
    const double cx = r.x0 + 64, cy = r.y0 + 64;
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, i * 2 * M_PI / 3);
        cairo_move_to(cr, -8, 0);
        cairo_curve_to(cr, -6, -30, 20, -50, 40, -44);
        cairo_curve_to(cr, 20, -30, 10, -10, 8, 0);
        cairo_close_path(cr);
        setColour(cr, kVermilion);
        cairo_fill_preserve(cr);
        setColour(cr, kGold);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
    setColour(cr, kGold);
    cairo_fill(cr);
    glow(cr, cx, cy, 8, kWhite, 1.0, 0.5);
}

void rain(cairo_t* cr, const Rect& r) {
    // Flies down-right: streaks along the diagonal, head at the bottom-right.
    for (int i = 0; i < 3; ++i) {
        const double ox = r.x0 + 10 + i * 14, oy = r.y0 + 4 + i * 6;
        cairo_move_to(cr, ox, oy);
        cairo_line_to(cr, ox + 30, oy + 30);
        setColour(cr, kTeal, 0.8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        glow(cr, ox + 30, oy + 30, 5, kWhite, 1.0, 0.5);
    }
}

void pillar(cairo_t* cr, const Rect& r) {
    // Vertically uniform frames; the last frame's right column is a faint copy for the clamped frame 4.
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 16, half = 10 + f * 1.5;
        cairo_pattern_t* across = cairo_pattern_create_linear(cx - half, 0, cx + half, 0);
        cairo_pattern_add_color_stop_rgb(across, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgb(across, 0.35, kTeal.r, kTeal.g, kTeal.b);
        cairo_pattern_add_color_stop_rgb(across, 0.5, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(across, 0.65, kTeal.r, kTeal.g, kTeal.b);
        cairo_pattern_add_color_stop_rgb(across, 1, 0, 0, 0);
        cairo_rectangle(cr, cx - half, r.y0, 2 * half, r.height());
        cairo_set_source(cr, across);
        cairo_fill(cr);
        cairo_pattern_destroy(across);
    }
    fillRect(cr, r.x1 - 1, r.y0, 1, r.height(), kTeal, 0.35);
}

}  // namespace

void paintShotsA(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    switch (sheet.entry.index) {
    case 0: sheetA0(sheet); break;
    case 1: releaseKeeper(cr, sheet.rect("release")); break;
    case 2: diagonalLaser(cr, sheet.rect("laser"), kAmber, 10); break;
    case 3: sword(cr, sheet.rect("sword")); break;
    case 4: boomerang(cr, sheet.rect("boomerang")); break;
    default: diagonalLaser(cr, sheet.rect("burstLaser"), kVermilion, 14); break;
    }
}

void paintShotsB(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    switch (sheet.entry.index) {
    case 0: rain(cr, sheet.rect("rain")); break;
    case 1: {
        const Rect& r = sheet.rect("field");
        glow(cr, r.x0 + 128, r.y0 + 128, 126, kTeal, 0.55, 0.5);
        cairo_arc(cr, r.x0 + 128, r.y0 + 128, 118, 0, 2 * M_PI);
        setColour(cr, kSilver, 0.5);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        break;
    }
    case 2: {
        const Rect& r = sheet.rect("barrier");
        energyBall(cr, r.x0 + 32, r.y0 + 32, 28, 0.0, kTeal);
        starPath(cr, r.x0 + 32, r.y0 + 32, 16, 7, 6, 0);
        setColour(cr, kSilver, 0.8);
        cairo_fill(cr);
        break;
    }
    case 3: pillar(cr, sheet.rect("pillar")); break;
    default: {
        // Bright along the bottom row (at the orb), fading to nothing toward the top.
        const Rect& r = sheet.rect("wedge");
        cairo_pattern_t* ray = cairo_pattern_create_linear(0, r.y1, 0, r.y0);
        cairo_pattern_add_color_stop_rgba(ray, 0, 1, 0.95, 0.75, 1);
        cairo_pattern_add_color_stop_rgba(ray, 1, 1, 0.85, 0.4, 0);
        cairo_rectangle(cr, r.x0, r.y0, r.width(), r.height());
        cairo_set_source(cr, ray);
        cairo_fill(cr);
        cairo_pattern_destroy(ray);
        break;
    }
    }
}

}  // namespace art

// The cast's bust portraits and the two lantern-craft.
#include "Figures.h"

#include <cmath>

namespace art {

namespace cast {
using namespace palette;
const Look kPilot0{{0.98, 0.86, 0.76}, {0.16, 0.10, 0.24}, {0.90, 0.55, 0.12}, {0.80, 0.24, 0.14}, kGold, Hair::Bob,
                   Accessory::Goggles};
const Look kPilot1{{0.97, 0.88, 0.82}, {0.84, 0.88, 0.94}, {0.10, 0.62, 0.62}, kPaper, kTeal, Hair::Long,
                   Accessory::Ribbon};
const Look kPartner0{{0.99, 0.90, 0.80}, {0.95, 0.55, 0.20}, {0.75, 0.20, 0.15}, {0.85, 0.30, 0.20}, kGold,
                     Hair::TwinTails, Accessory::FoxEars};
const Look kPartner1{{0.90, 0.76, 0.66}, {0.78, 0.78, 0.80}, {0.30, 0.40, 0.30}, {0.40, 0.32, 0.22}, kTeal,
                     Hair::Spiky, Accessory::Beard};
const Look kBoss7{{0.95, 0.92, 0.96}, {0.55, 0.20, 0.65}, {0.95, 0.85, 0.20}, {0.40, 0.12, 0.50}, kGold,
                  Hair::Spiky, Accessory::Mask};
const Look kBoss1{{0.85, 0.70, 0.62}, {0.20, 0.12, 0.12}, {0.95, 0.25, 0.10}, {0.30, 0.10, 0.12}, kGold,
                  Hair::Spiky, Accessory::Horns};
const Look kBoss9{{0.92, 0.80, 0.72}, {0.30, 0.32, 0.45}, {0.35, 0.55, 0.95}, {0.15, 0.20, 0.38}, kGold,
                  Hair::Ponytail, Accessory::Hat};
const Look kBoss10{{0.97, 0.95, 0.98}, {0.85, 0.88, 1.00}, {0.55, 0.45, 0.95}, {0.22, 0.18, 0.45}, kSilver,
                   Hair::Long, Accessory::Crown};
const Look kBoss8{{0.88, 0.84, 0.92}, {0.10, 0.06, 0.14}, {0.95, 0.10, 0.35}, {0.10, 0.04, 0.14}, kViolet,
                  Hair::Long, Accessory::Mask};
const Look kBoss8Unmasked{{0.88, 0.84, 0.92}, {0.10, 0.06, 0.14}, {0.95, 0.10, 0.35}, {0.10, 0.04, 0.14}, kViolet,
                          Hair::Long, Accessory::Crown};
}  // namespace cast

namespace {

void line(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

// Both eyes, mirrored about x = 64, in the 128-unit bust space.
void drawEyes(cairo_t* cr, const Look& look, Expression e) {
    for (int side = -1; side <= 1; side += 2) {
        const double cx = 64 + side * 13, cy = 62;
        cairo_save(cr);
        if (e == Expression::Joy) {
            cairo_move_to(cr, cx - 7, cy + 1);
            cairo_curve_to(cr, cx - 3, cy - 6, cx + 3, cy - 6, cx + 7, cy + 1);
            setColour(cr, palette::kInk);
            cairo_set_line_width(cr, 2.2);
            cairo_stroke(cr);
        } else {
            const double open = e == Expression::Surprised ? 1.15 : e == Expression::Hurt ? 0.55
                              : e == Expression::Angry ? 0.7 : e == Expression::Smile ? 0.8
                              : e == Expression::Determined ? 0.8 : e == Expression::Sad ? 0.85 : 1.0;
            ellipsePath(cr, cx, cy, 7, 8 * open);
            setColour(cr, palette::kWhite);
            cairo_fill_preserve(cr);
            cairo_clip(cr);
            const double irisR = e == Expression::Surprised ? 4.2 : 5.5;
            ellipsePath(cr, cx + side * 0.5, cy + 1, irisR, irisR * 1.2);
            cairo_pattern_t* iris = cairo_pattern_create_linear(0, cy - 6, 0, cy + 7);
            cairo_pattern_add_color_stop_rgb(iris, 0, look.eye.r * 0.4, look.eye.g * 0.4, look.eye.b * 0.4);
            cairo_pattern_add_color_stop_rgb(iris, 1, look.eye.r, look.eye.g, look.eye.b);
            cairo_set_source(cr, iris);
            cairo_fill(cr);
            cairo_pattern_destroy(iris);
            ellipsePath(cr, cx + side * 0.5, cy + 1.5, 2.2, 2.8);
            setColour(cr, palette::kInk);
            cairo_fill(cr);
            ellipsePath(cr, cx - 2, cy - 2, 1.6, 1.6);
            setColour(cr, palette::kWhite);
            cairo_fill(cr);
            cairo_reset_clip(cr);
            // Upper lid line.
            cairo_move_to(cr, cx - 8, cy - 3 * open + (e == Expression::Angry ? -side * 0 : 0));
            cairo_curve_to(cr, cx - 4, cy - 9 * open, cx + 4, cy - 9 * open, cx + 8, cy - 3 * open);
            setColour(cr, palette::kInk);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
            if (e == Expression::Smile) {
                // Cheeks pushed up under the eyes.
                cairo_move_to(cr, cx - 7, cy + 8);
                cairo_curve_to(cr, cx - 3, cy + 4, cx + 3, cy + 4, cx + 7, cy + 8);
                setColour(cr, look.skin);
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
            }
            if (e == Expression::Sad && side == 1) {
                cairo_move_to(cr, cx + 6, cy + 5);
                cairo_curve_to(cr, cx + 3, cy + 11, cx + 9, cy + 11, cx + 6, cy + 5);
                setColour(cr, {0.70, 0.88, 1.0});
                cairo_fill(cr);
                ellipsePath(cr, cx + 6, cy + 10, 2.5, 3.2);
                cairo_fill(cr);
            }
        }
        // Brows.
        double inner = 0, outer = 0;
        switch (e) {
        case Expression::Angry: inner = 5; outer = -2; break;
        case Expression::Determined: inner = 3; outer = -1; break;
        case Expression::Sad: case Expression::Hurt: inner = -4; outer = 2; break;
        case Expression::Surprised: inner = -4; outer = -4; break;
        default: break;
        }
        line(cr, cx - side * 2, cy - 14 + inner, cx + side * 8, cy - 15 + outer);
        setColour(cr, scaled(look.hair, 0.6));
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void drawMouth(cairo_t* cr, Expression e) {
    cairo_save(cr);
    setColour(cr, {0.55, 0.20, 0.22});
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double cx = 64, cy = 82;
    switch (e) {
    case Expression::Smile: case Expression::Joy: {
        const double w = e == Expression::Joy ? 9 : 7, d = e == Expression::Joy ? 10 : 7;
        cairo_move_to(cr, cx - w, cy - 2);
        cairo_curve_to(cr, cx - w / 2, cy + d, cx + w / 2, cy + d, cx + w, cy - 2);
        cairo_close_path(cr);
        cairo_fill(cr);
        ellipsePath(cr, cx, cy + d * 0.45, w * 0.45, d * 0.22);
        setColour(cr, {0.95, 0.50, 0.50});
        cairo_fill(cr);
        break;
    }
    case Expression::Surprised:
        ellipsePath(cr, cx, cy + 1, 3, 4);
        cairo_fill(cr);
        break;
    case Expression::Angry:
        line(cr, cx - 6, cy + 2, cx + 6, cy + 2);
        cairo_stroke(cr);
        line(cr, cx - 6, cy + 2, cx - 7, cy + 4);
        cairo_stroke(cr);
        break;
    case Expression::Sad: case Expression::Hurt:
        cairo_move_to(cr, cx - 5, cy + 3);
        cairo_curve_to(cr, cx - 2, cy - 1, cx + 2, cy - 1, cx + 5, cy + 3);
        cairo_stroke(cr);
        break;
    case Expression::Determined:
        line(cr, cx - 5, cy + 1, cx + 5, cy);
        cairo_stroke(cr);
        break;
    default:
        cairo_move_to(cr, cx - 4, cy);
        cairo_curve_to(cr, cx - 1, cy + 2, cx + 1, cy + 2, cx + 4, cy);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

void hairBack(cairo_t* cr, const Look& look) {
    setColour(cr, scaled(look.hair, 0.75));
    switch (look.hairStyle) {
    case Hair::Long:
        cairo_move_to(cr, 28, 50);
        cairo_curve_to(cr, 20, 90, 22, 120, 18, 128);
        cairo_line_to(cr, 110, 128);
        cairo_curve_to(cr, 106, 120, 108, 90, 100, 50);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case Hair::TwinTails:
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 64 + side * 34, 44);
            cairo_curve_to(cr, 64 + side * 62, 60, 64 + side * 58, 100, 64 + side * 46, 124);
            cairo_curve_to(cr, 64 + side * 44, 100, 64 + side * 40, 70, 64 + side * 30, 56);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        break;
    case Hair::Ponytail:
        cairo_move_to(cr, 88, 36);
        cairo_curve_to(cr, 118, 40, 116, 84, 104, 104);
        cairo_curve_to(cr, 104, 80, 100, 56, 84, 46);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    default: break;
    }
}

void hairFront(cairo_t* cr, const Look& look) {
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 20, 0, 70);
    const Colour lit = mix(look.hair, palette::kWhite, 0.25);
    cairo_pattern_add_color_stop_rgb(shade, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, look.hair.r * 0.8, look.hair.g * 0.8, look.hair.b * 0.8);
    cairo_set_source(cr, shade);
    // Crown of the head.
    cairo_move_to(cr, 28, 62);
    cairo_curve_to(cr, 24, 28, 44, 18, 64, 18);
    cairo_curve_to(cr, 84, 18, 104, 28, 100, 62);
    // Fringe: a row of points across the forehead.
    const int points = look.hairStyle == Hair::Spiky ? 6 : 5;
    for (int i = points; i >= 0; --i) {
        const double x = 30 + 68.0 * i / points;
        const double tip = (i % 2 ? 56 : 50) + (look.hairStyle == Hair::Spiky ? 4 : 0);
        cairo_line_to(cr, x, i == 0 || i == points ? 62 : tip);
        if (i > 0) cairo_line_to(cr, x - 34.0 / points, 40);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    if (look.hairStyle == Hair::Long || look.hairStyle == Hair::Bob) {
        setColour(cr, look.hair);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 64 + side * 36, 46);
            cairo_curve_to(cr, 64 + side * 40, 70, 64 + side * 38, look.hairStyle == Hair::Bob ? 84 : 100,
                           64 + side * 32, look.hairStyle == Hair::Bob ? 88 : 108);
            cairo_line_to(cr, 64 + side * 28, 60);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
    // A sheen arc.
    cairo_arc(cr, 64, 44, 24, 1.15 * M_PI, 1.6 * M_PI);
    setColour(cr, palette::kWhite, 0.35);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void accessory(cairo_t* cr, const Look& look) {
    switch (look.accessory) {
    case Accessory::Ribbon:
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 92, 30);
            cairo_line_to(cr, 92 + 14, 30 + side * 10);
            cairo_line_to(cr, 92 + 12, 30);
            cairo_close_path(cr);
            setColour(cr, look.trim);
            cairo_fill(cr);
        }
        glow(cr, 92, 30, 4, palette::kGold, 1.0, 0.8);
        break;
    case Accessory::Goggles:
        roundedRect(cr, 34, 28, 60, 8, 4);
        setColour(cr, {0.35, 0.25, 0.18});
        cairo_fill(cr);
        for (int side = -1; side <= 1; side += 2) {
            cairo_arc(cr, 64 + side * 14, 30, 8, 0, 2 * M_PI);
            setColour(cr, palette::kSilver);
            cairo_fill(cr);
            cairo_arc(cr, 64 + side * 14, 30, 5.5, 0, 2 * M_PI);
            setColour(cr, mix(look.eye, palette::kWhite, 0.3));
            cairo_fill(cr);
            cairo_arc(cr, 64 + side * 14 - 2, 28, 1.8, 0, 2 * M_PI);
            setColour(cr, palette::kWhite);
            cairo_fill(cr);
        }
        break;
    case Accessory::FoxEars:
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 64 + side * 14, 24);
            cairo_line_to(cr, 64 + side * 34, 0);
            cairo_line_to(cr, 64 + side * 36, 32);
            cairo_close_path(cr);
            setColour(cr, look.hair);
            cairo_fill(cr);
            cairo_move_to(cr, 64 + side * 20, 24);
            cairo_line_to(cr, 64 + side * 32, 8);
            cairo_line_to(cr, 64 + side * 33, 28);
            cairo_close_path(cr);
            setColour(cr, palette::kPaper);
            cairo_fill(cr);
        }
        break;
    case Accessory::Horns:
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 64 + side * 18, 24);
            cairo_curve_to(cr, 64 + side * 26, 10, 64 + side * 34, 4, 64 + side * 44, 0);
            cairo_curve_to(cr, 64 + side * 38, 12, 64 + side * 34, 22, 64 + side * 30, 30);
            cairo_close_path(cr);
            setColour(cr, palette::kGold);
            cairo_fill_preserve(cr);
            setColour(cr, palette::kLacquer);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
        break;
    case Accessory::Crown:
        cairo_move_to(cr, 40, 26);
        for (int i = 0; i <= 4; ++i) {
            cairo_line_to(cr, 40 + i * 12, i % 2 ? 22 : 6);
            if (i < 4) cairo_line_to(cr, 46 + i * 12, 20);
        }
        cairo_line_to(cr, 88, 26);
        cairo_close_path(cr);
        setColour(cr, look.trim);
        cairo_fill(cr);
        glow(cr, 64, 14, 4, look.eye, 1.0, 0.7);
        break;
    case Accessory::Hat:
        ellipsePath(cr, 64, 26, 44, 8);
        setColour(cr, scaled(look.outfit, 0.8));
        cairo_fill(cr);
        roundedRect(cr, 40, 4, 48, 22, 6);
        cairo_fill(cr);
        fillRect(cr, 40, 18, 48, 4, look.trim);
        break;
    case Accessory::Glasses:
        for (int side = -1; side <= 1; side += 2) {
            cairo_arc(cr, 64 + side * 13, 62, 10, 0, 2 * M_PI);
            setColour(cr, {0.3, 0.2, 0.1});
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
        line(cr, 61, 60, 67, 60);
        cairo_stroke(cr);
        break;
    case Accessory::Mask:
        cairo_move_to(cr, 40, 52);
        cairo_curve_to(cr, 50, 46, 78, 46, 88, 52);
        cairo_curve_to(cr, 90, 64, 84, 72, 64, 70);
        cairo_curve_to(cr, 44, 72, 38, 64, 40, 52);
        cairo_close_path(cr);
        setColour(cr, palette::kWhite, 0.92);
        cairo_fill_preserve(cr);
        setColour(cr, look.trim);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        for (int side = -1; side <= 1; side += 2) {
            starPath(cr, 64 + side * 13, 60, 5, 2, 4, 0);
            setColour(cr, look.hair);
            cairo_fill(cr);
        }
        break;
    case Accessory::Beard:
        // A craftsman's white beard and moustache over the chin, bushy brows above the eyes.
        cairo_move_to(cr, 40, 70);
        cairo_curve_to(cr, 42, 100, 56, 112, 64, 114);
        cairo_curve_to(cr, 72, 112, 86, 100, 88, 70);
        cairo_curve_to(cr, 80, 84, 48, 84, 40, 70);
        cairo_close_path(cr);
        setColour(cr, {0.94, 0.94, 0.96});
        cairo_fill(cr);
        for (int side = -1; side <= 1; side += 2) {
            ellipsePath(cr, 64 + side * 8, 79, 9, 3.5);
            cairo_fill(cr);
            ellipsePath(cr, 64 + side * 13, 47, 9, 3);
            cairo_fill(cr);
        }
        break;
    case Accessory::None: break;
    }
}

}  // namespace

void drawBust(cairo_t* cr, double x, double y, double size, const Look& look, Expression expression) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 128, size / 128);
    hairBack(cr, look);
    // Shoulders and collar.
    cairo_move_to(cr, 14, 128);
    cairo_curve_to(cr, 18, 104, 40, 96, 64, 96);
    cairo_curve_to(cr, 88, 96, 110, 104, 114, 128);
    cairo_close_path(cr);
    setColour(cr, look.outfit);
    cairo_fill(cr);
    cairo_move_to(cr, 50, 96);
    cairo_line_to(cr, 64, 118);
    cairo_line_to(cr, 78, 96);
    setColour(cr, look.trim);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    fillRect(cr, 57, 84, 14, 14, scaled(look.skin, 0.85));
    // Face.
    cairo_move_to(cr, 32, 56);
    cairo_curve_to(cr, 32, 80, 48, 94, 64, 94);
    cairo_curve_to(cr, 80, 94, 96, 80, 96, 56);
    cairo_curve_to(cr, 96, 30, 32, 30, 32, 56);
    cairo_close_path(cr);
    setColour(cr, look.skin);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, 64 + side * 20, 74, 5, 2.5);
        setColour(cr, {0.95, 0.45, 0.45}, expression == Expression::Hurt ? 0.15 : 0.35);
        cairo_fill(cr);
    }
    drawEyes(cr, look, expression);
    drawMouth(cr, expression);
    hairFront(cr, look);
    accessory(cr, look);
    if (expression == Expression::Hurt) {
        line(cr, 44, 74, 54, 70);
        setColour(cr, {0.6, 0.15, 0.15});
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawPortrait(cairo_t* cr, double x, double y, double size, const Look& look, Expression expression,
                  Colour accent) {
    cairo_save(cr);
    const double s = size / 128;
    roundedRect(cr, x + 2 * s, y + 2 * s, size - 4 * s, size - 4 * s, 8 * s);
    cairo_pattern_t* back = cairo_pattern_create_radial(x + size * 0.5, y + size * 0.4, 0, x + size * 0.5,
                                                        y + size * 0.5, size * 0.75);
    const Colour inner = mix(palette::kIndigo, accent, 0.45);
    cairo_pattern_add_color_stop_rgb(back, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(back, 1, palette::kNight.r, palette::kNight.g, palette::kNight.b);
    cairo_set_source(cr, back);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(back);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    drawBust(cr, x + 6 * s, y + 8 * s, size - 12 * s, look, expression);
    cairo_reset_clip(cr);
    roundedRect(cr, x + 2 * s, y + 2 * s, size - 4 * s, size - 4 * s, 8 * s);
    setColour(cr, palette::kGold);
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    cairo_restore(cr);
}

namespace {

// A pilot's head seen in profile inside the canopy, facing right.
void pilotHead(cairo_t* cr, double cx, double cy, const Look& look) {
    cairo_arc(cr, cx, cy, 4.2, 0, 2 * M_PI);
    setColour(cr, look.skin);
    cairo_fill(cr);
    cairo_arc(cr, cx - 1, cy - 1, 4.6, M_PI * 0.8, M_PI * 1.9);
    cairo_line_to(cr, cx - 4, cy + 3);
    cairo_close_path(cr);
    setColour(cr, look.hair);
    cairo_fill(cr);
    cairo_arc(cr, cx + 2, cy, 0.9, 0, 2 * M_PI);
    setColour(cr, look.eye);
    cairo_fill(cr);
}

// The gun both craft fire from: its muzzle sits at (60, 20) of the cell.
void muzzle(cairo_t* cr, Colour body, Colour trim, int phase) {
    cairo_move_to(cr, 44, 25);
    cairo_line_to(cr, 59, 19);
    cairo_line_to(cr, 60, 21.5);
    cairo_line_to(cr, 46, 28);
    cairo_close_path(cr);
    setColour(cr, body);
    cairo_fill_preserve(cr);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    glow(cr, 60, 20, 2.5 + (phase % 2) * 0.6, trim, 1.0, 0.5);
}

// The courier's craft, the Swallow: a lacquered skiff with a lantern slung beneath and ribbon streamers.
void craftSwallow(cairo_t* cr, CraftPose pose, int phase) {
    const double wave = std::sin(phase * M_PI / 2);
    const double tilt = pose == CraftPose::Right ? 0.07 : pose == CraftPose::Left ? -0.09 : 0.0;
    cairo_save(cr);
    cairo_translate(cr, 36, 33);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -36, -33);
    // Streamers trailing to the left.
    for (int i = 0; i < 2; ++i) {
        const double y0 = 30 + i * 6;
        cairo_move_to(cr, 14, y0);
        cairo_curve_to(cr, 9, y0 + wave * 4, 6, y0 - wave * 3, 1, y0 + 3 + wave * 3);
        setColour(cr, i ? palette::kGold : palette::kVermilion);
        cairo_set_line_width(cr, 2.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    // Flame at the stern: longer when flying right.
    const double flame = pose == CraftPose::Right ? 13 : pose == CraftPose::Left ? 5 : 9;
    glow(cr, 13, 30, flame + phase * 0.5, palette::kAmber, 0.95);
    glow(cr, 13, 30, 3.5, palette::kWhite, 1.0, 0.5);
    muzzle(cr, palette::kLacquer, palette::kAmber, phase);
    // Hull: a long boat sweeping up to a prow on the right.
    cairo_move_to(cr, 12, 24);
    cairo_curve_to(cr, 26, 23, 44, 26, 62, 17);
    cairo_curve_to(cr, 58, 32, 46, 38, 18, 37);
    cairo_curve_to(cr, 14, 35, 12, 30, 12, 24);
    cairo_close_path(cr);
    cairo_pattern_t* hull = cairo_pattern_create_linear(0, 18, 0, 38);
    cairo_pattern_add_color_stop_rgb(hull, 0, 1.0, 0.50, 0.28);
    cairo_pattern_add_color_stop_rgb(hull, 0.5, 0.85, 0.18, 0.10);
    cairo_pattern_add_color_stop_rgb(hull, 1, 0.38, 0.04, 0.06);
    cairo_set_source(cr, hull);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(hull);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    // Gold rail and prow ornament.
    cairo_move_to(cr, 14, 27);
    cairo_curve_to(cr, 28, 26.5, 44, 29, 60, 19.5);
    setColour(cr, palette::kGold);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    starPath(cr, 61, 17.5, 3, 1.2, 4, 0);
    setColour(cr, palette::kGold);
    cairo_fill(cr);
    // Canopy with the courier inside.
    ellipsePath(cr, 33, 22, 9, 6.5);
    setColour(cr, {0.45, 0.62, 0.90}, 0.55);
    cairo_fill(cr);
    pilotHead(cr, 33, 21.5, cast::kPilot0);
    ellipsePath(cr, 33, 22, 9, 6.5);
    setColour(cr, palette::kWhite, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, 30, 19, 2.5, M_PI, 1.5 * M_PI);
    setColour(cr, palette::kWhite, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Lantern core under the hull: the craft's hit point.
    cairo_move_to(cr, 38.5, 36);
    cairo_line_to(cr, 38.5, 30);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    lantern(cr, 38.5, 37 + wave * 0.5, 10, 11, palette::kAmber, 0.8 + 0.2 * wave);
    glow(cr, 38.5, 35.5, 3.2, palette::kWhite, 1.0, 0.6);
}

// The keeper's craft: a silver-trimmed lantern boat, its great teal lantern over the core and a
// swan-neck prow rising to the muzzle.
void craftLanternBoat(cairo_t* cr, CraftPose pose, int phase) {
    const double wave = std::sin(phase * M_PI / 2);
    const double tilt = pose == CraftPose::Right ? 0.08 : pose == CraftPose::Left ? -0.1 : 0.0;
    cairo_save(cr);
    cairo_translate(cr, 38.5, 35.5);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -38.5, -35.5);
    const double flame = pose == CraftPose::Right ? 12 : pose == CraftPose::Left ? 5 : 8;
    glow(cr, 9, 44, flame + phase * 0.5, palette::kTeal, 0.95);
    glow(cr, 9, 44, 3, palette::kWhite, 1.0, 0.5);
    // Oar-fins at the stern.
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, 16, 42);
        cairo_line_to(cr, 4, 34 + i * 14 + wave * 1.5);
        cairo_line_to(cr, 9, 40 + i * 6);
        cairo_close_path(cr);
        setColour(cr, palette::kSilver);
        cairo_fill(cr);
    }
    // Swan-neck prow ending at the muzzle.
    cairo_move_to(cr, 50, 44);
    cairo_curve_to(cr, 60, 40, 54, 26, 60, 20);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 50, 44);
    cairo_curve_to(cr, 60, 40, 54, 26, 60, 20);
    setColour(cr, palette::kSilver);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    glow(cr, 60, 20, 3 + (phase % 2) * 0.6, palette::kTeal, 1.0, 0.5);
    // The keeper behind the lantern.
    pilotHead(cr, 22, 33, cast::kPilot1);
    // Hull.
    cairo_move_to(cr, 12, 40);
    cairo_line_to(cr, 56, 40);
    cairo_curve_to(cr, 54, 48, 44, 52, 22, 51);
    cairo_curve_to(cr, 16, 50, 13, 46, 12, 40);
    cairo_close_path(cr);
    cairo_pattern_t* hull = cairo_pattern_create_linear(0, 40, 0, 52);
    cairo_pattern_add_color_stop_rgb(hull, 0, 0.20, 0.70, 0.68);
    cairo_pattern_add_color_stop_rgb(hull, 1, 0.04, 0.22, 0.26);
    cairo_set_source(cr, hull);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(hull);
    setColour(cr, palette::kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    fillRect(cr, 12, 40, 44, 1.5, palette::kSilver);
    cairo_restore(cr);
    // The great lantern over the core: the craft's hit point.
    glow(cr, 38.5, 33.5, 16, palette::kTeal, 0.5 + 0.1 * wave);
    lantern(cr, 38.5, 33.5, 17, 17, {0.45, 0.90, 0.85}, 0.85 + 0.15 * wave);
    glow(cr, 38.5, 35.5, 3.2, palette::kWhite, 1.0, 0.7);
}

}  // namespace

void drawCraft(cairo_t* cr, double x, double y, int character, CraftPose pose, int phase) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, 64, 64);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    const int charge = pose == CraftPose::Charged ? 1 : pose == CraftPose::Release1 ? 2
                     : pose == CraftPose::Release2 ? 3 : pose == CraftPose::Release3 ? 4 : 0;
    const Colour aura = character == 0 ? palette::kGold : palette::kTeal;
    if (charge > 0) glow(cr, 36, 34, 16 + charge * 3 + phase, aura, 0.35 + charge * 0.1);
    if (character == 0) craftSwallow(cr, pose, phase);
    else craftLanternBoat(cr, pose, phase);
    if (charge > 1) {
        starPath(cr, 58, 20, 3 + charge * 2, 1.5, 4, phase * 0.2);
        setColour(cr, palette::kWhite, 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace art

// e_c.pac: the enemies and bosses. Regular enemies face left (they come in from the right).
#include <cmath>

#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

constexpr Colour kShell{0.30, 0.12, 0.40};
constexpr Colour kShellDark{0.12, 0.05, 0.18};
constexpr Colour kEye{1.0, 0.35, 0.25};

void eye(cairo_t* cr, double cx, double cy, double r, Colour c) {
    glow(cr, cx, cy, r * 2.2, c, 0.8);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    setColour(cr, mix(c, kWhite, 0.5));
    cairo_fill(cr);
    cairo_arc(cr, cx - r * 0.3, cy, r * 0.45, 0, 2 * M_PI);
    setColour(cr, kInk);
    cairo_fill(cr);
}

void outlinedFill(cairo_t* cr, Colour fill, Colour line, double width) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// Paper bat: wings beat over the six frames.
void zigzagFlyer(cairo_t* cr, double x, double y, int f) {
    const double beat = std::sin(f * M_PI / 3) * 8;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + 16, y + 16);
        cairo_curve_to(cr, x + 20, y + 16 + side * 6, x + 28, y + 16 + side * (6 + beat * 0.5), x + 30,
                       y + 16 + side * (10 + beat));
        cairo_line_to(cr, x + 18, y + 16 + side * 4);
        cairo_close_path(cr);
        outlinedFill(cr, kViolet, kShellDark, 1);
    }
    ellipsePath(cr, x + 14, y + 16, 9, 6);
    outlinedFill(cr, kShell, kShellDark, 1);
    eye(cr, x + 9, y + 15, 2.5, kEye);
}

// One-eyed lantern ghost.
void uTurner(cairo_t* cr, double x, double y, int f) {
    const double sway = std::sin(f * M_PI / 3) * 2;
    lantern(cr, x + 16, y + 15 + sway, 20, 22, kVermilion, 0.7, 0.7);
    eye(cr, x + 12, y + 15 + sway, 3.5, kGold);
    cairo_move_to(cr, x + 22, y + 26 + sway);
    cairo_curve_to(cr, x + 26, y + 30, x + 30, y + 24 - sway, x + 31, y + 28);
    setColour(cr, kPaper, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// Spinning kite-blade.
void diagonalFlyer(cairo_t* cr, double x, double y, int f) {
    cairo_save(cr);
    cairo_translate(cr, x + 16, y + 16);
    cairo_rotate(cr, f * M_PI / 6);
    starPath(cr, 0, 0, 14, 5, 4, 0);
    outlinedFill(cr, {0.20, 0.45, 0.65}, kInk, 1.2);
    cairo_restore(cr);
    eye(cr, x + 16, y + 16, 3, kEye);
}

// Dart-fish with a wagging tail, nose to the left.
void dasher(cairo_t* cr, double x, double y, int f) {
    const double wag = std::sin(f * M_PI / 3) * 5;
    cairo_move_to(cr, x + 22, y + 16);
    cairo_line_to(cr, x + 31, y + 9 + wag);
    cairo_line_to(cr, x + 31, y + 23 + wag);
    cairo_close_path(cr);
    outlinedFill(cr, kVermilion, kInk, 1);
    cairo_move_to(cr, x + 2, y + 16);
    cairo_curve_to(cr, x + 8, y + 7, x + 20, y + 8, x + 24, y + 16);
    cairo_curve_to(cr, x + 20, y + 24, x + 8, y + 25, x + 2, y + 16);
    cairo_close_path(cr);
    outlinedFill(cr, {0.85, 0.55, 0.25}, kInk, 1.2);
    eye(cr, x + 8, y + 14, 2.2, kEye);
}

void platform(cairo_t* cr, const Rect& r) {
    const double cx = r.x0 + 48, cy = r.y0 + 48;
    fillRect(cr, r.x0 + 4, cy - 6, 30, 12, {0.35, 0.32, 0.38});
    fillRect(cr, r.x0 + 4, cy - 6, 30, 3, {0.65, 0.62, 0.68});
    ellipsePath(cr, cx + 6, cy, 38, 26);
    outlinedFill(cr, {0.28, 0.16, 0.34}, kInk, 2);
    ellipsePath(cr, cx + 6, cy - 8, 26, 12);
    outlinedFill(cr, {0.45, 0.25, 0.50}, kGold, 1.5);
    for (int i = 0; i < 3; ++i) lantern(cr, cx - 14 + i * 20, cy + 24, 10, 12, kAmber, 1.0);
    eye(cr, cx - 4, cy - 8, 5, kEye);
}

void charger(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 32, cy = r.y0 + 32;
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + 6, cy + side * 12);
            cairo_curve_to(cr, cx + 2, cy + side * 24, cx - 10, cy + side * 28, cx - 24, cy + side * 26);
            cairo_line_to(cr, cx + 12, cy + side * 6);
            cairo_close_path(cr);
            outlinedFill(cr, kGold, kInk, 1);
        }
        cairo_arc(cr, cx + 2, cy, 20, 0, 2 * M_PI);
        outlinedFill(cr, {0.60, 0.10, 0.12}, kInk, 2);
        const Colour fire = f == 1 ? kWhite : kAmber;
        eye(cr, cx - 8, cy - 4, 4 + f, fire);
        glow(cr, cx + 26, cy, 8 + f * 3, kAmber, 0.8);
    }
}

// Temari ball that squashes as it bounces.
void bouncer(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 32, cy = r.y0 + 32;
        const double squash = 1 + 0.12 * std::sin(f * M_PI / 2);
        ellipsePath(cr, cx, cy, 24 * squash, 24 / squash);
        outlinedFill(cr, kPaper, kInk, 2);
        cairo_save(cr);
        ellipsePath(cr, cx, cy, 24 * squash, 24 / squash);
        cairo_clip(cr);
        for (int i = 0; i < 4; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, i * M_PI / 4 + f * M_PI / 8);
            fillRect(cr, -30, -3, 60, 6, i % 2 ? kVermilion : kTeal);
            cairo_restore(cr);
        }
        cairo_restore(cr);
        eye(cr, cx - 8, cy - 4, 4, kViolet);
    }
}

// The masked jester (boss 7): frame 0 normal, 1 spare pose, 2 reversed (inverted tones), 3 flash.
void jester(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 64, cy = r.y0 + 64;
        const bool reversed = f == 2, flash = f == 3;
        const Colour cloth = reversed ? kTeal : flash ? mix(kViolet, kWhite, 0.6) : kViolet;
        const Colour mask = reversed ? Colour{0.15, 0.10, 0.20} : kPaper;
        glow(cr, cx, cy, 60, flash ? kWhite : kViolet, 0.5);
        for (int i = 0; i < 5; ++i) {
            const double a = M_PI * (0.65 + i * 0.175) + (f == 1 ? 0.1 : 0);
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + std::cos(a - 0.2) * 40, cy + std::sin(a - 0.2) * 40);
            cairo_line_to(cr, cx + std::cos(a) * 58, cy + std::sin(a) * 58);
            cairo_line_to(cr, cx + std::cos(a + 0.2) * 40, cy + std::sin(a + 0.2) * 40);
            cairo_close_path(cr);
            outlinedFill(cr, i % 2 ? cloth : kGold, kInk, 1.5);
            cairo_arc(cr, cx + std::cos(a) * 58, cy + std::sin(a) * 58, 4, 0, 2 * M_PI);
            setColour(cr, kGold);
            cairo_fill(cr);
        }
        ellipsePath(cr, cx, cy + 8, 40, 46);
        outlinedFill(cr, cloth, kInk, 2);
        ellipsePath(cr, cx, cy, 30, 34);
        outlinedFill(cr, mask, kGold, 2);
        for (int side = -1; side <= 1; side += 2) {
            starPath(cr, cx + side * 12, cy - 6, 8, 3, 4, 0);
            setColour(cr, reversed ? kGold : kLacquer);
            cairo_fill(cr);
        }
        eye(cr, cx - 12, cy - 6, 3, flash ? kWhite : kGold);
        eye(cr, cx + 12, cy - 6, 3, flash ? kWhite : kGold);
        cairo_move_to(cr, cx - 14, cy + 14);
        cairo_curve_to(cr, cx - 6, cy + 24, cx + 6, cy + 24, cx + 14, cy + 14);
        setColour(cr, reversed ? kGold : kLacquer);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// The shadow queen's palanquin (final boss, first form).
void palanquin(cairo_t* cr, const Rect& r) {
    const double cx = r.x0 + 64, cy = r.y0 + 64;
    glow(cr, cx, cy, 64, kLacquer, 0.7);
    roundedRect(cr, cx - 44, cy - 30, 88, 68, 8);
    outlinedFill(cr, {0.10, 0.04, 0.14}, kGold, 2.5);
    cairo_move_to(cr, cx - 56, cy - 28);
    cairo_curve_to(cr, cx - 30, cy - 60, cx + 30, cy - 60, cx + 56, cy - 28);
    cairo_close_path(cr);
    outlinedFill(cr, kLacquer, kGold, 2);
    // The curtain the mistress hides behind, parted around her eye.
    for (int side = -1; side <= 1; side += 2) {
        for (int fold = 0; fold < 3; ++fold) {
            const double x0 = cx + side * (6 + fold * 12);
            cairo_move_to(cr, x0, cy - 28);
            cairo_curve_to(cr, x0 + side * 4, cy - 8, x0 - side * 3, cy + 14, x0 + side * 6, cy + 36);
            cairo_line_to(cr, x0 + side * 16, cy + 36);
            cairo_curve_to(cr, x0 + side * 10, cy + 14, x0 + side * 17, cy - 8, x0 + side * 12, cy - 28);
            cairo_close_path(cr);
            setColour(cr, fold % 2 ? Colour{0.30, 0.10, 0.38} : Colour{0.20, 0.06, 0.28});
            cairo_fill(cr);
        }
    }
    for (int i = 0; i < 3; ++i) lantern(cr, cx - 30 + i * 30, cy + 50, 14, 18, kVermilion, 1.0);
    eye(cr, cx, cy + 2, 10, {1.0, 0.15, 0.40});
    fillRect(cr, cx - 60, cy + 36, 120, 5, kGold);
}

void satellite(cairo_t* cr, const Rect& r, bool boss) {
    const double cx = r.x0 + 32, cy = r.y0 + 32;
    if (boss) {
        glow(cr, cx, cy, 32, kSilver, 0.6);
        cairo_arc(cr, cx, cy, 22, 0, 2 * M_PI);
        outlinedFill(cr, {0.85, 0.88, 0.98}, {0.3, 0.3, 0.5}, 2);
        cairo_arc(cr, cx + 8, cy - 4, 18, 0, 2 * M_PI);
        setColour(cr, {0.45, 0.40, 0.75}, 0.8);
        cairo_fill(cr);
        eye(cr, cx - 8, cy, 5, {0.55, 0.45, 0.95});
    } else {
        starPath(cr, cx, cy, 26, 12, 8, 0);
        outlinedFill(cr, {0.70, 0.72, 0.85}, kInk, 1.5);
        cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
        setColour(cr, kViolet);
        cairo_fill(cr);
        glow(cr, cx, cy, 6, kWhite, 1.0, 0.5);
    }
}

// Horned war-lantern (boss 1). Column 511 stays empty so its off-sheet flash frame reads as a blink.
void warLantern(cairo_t* cr, const Rect& r) {
    const double cx = r.x0 + 118, cy = r.y0 + 110;
    glow(cr, cx, cy, 120, kVermilion, 0.5);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx - 20, cy + side * 60);
        cairo_curve_to(cr, cx - 40, cy + side * 100, cx - 70, cy + side * 110, cx - 100, cy + side * 100);
        cairo_curve_to(cr, cx - 60, cy + side * 80, cx - 40, cy + side * 60, cx - 10, cy + side * 40);
        cairo_close_path(cr);
        outlinedFill(cr, kGold, kInk, 2);
    }
    ellipsePath(cr, cx, cy, 78, 90);
    cairo_pattern_t* body = cairo_pattern_create_radial(cx - 20, cy - 20, 10, cx, cy, 90);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.95, 0.45, 0.20);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.35, 0.04, 0.06);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 1; i < 5; ++i) {
        const double y = cy - 90 + i * 36;
        const double half = 78 * std::sqrt(1 - std::pow((y - cy) / 90, 2));
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
    }
    setColour(cr, kLacquer);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    fillRect(cr, cx - 40, cy - 100, 80, 16, kInk);
    fillRect(cr, cx - 40, cy + 86, 80, 16, kInk);
    fillRect(cr, cx - 40, cy - 100, 80, 3, kGold);
    // Cannon mouth toward the left.
    fillRect(cr, cx - 110, cy + 10, 44, 20, {0.30, 0.28, 0.34});
    eye(cr, cx - 30, cy - 20, 12, kGold);
    eye(cr, cx + 14, cy - 20, 9, kGold);
}

// The gunship (boss 9): an armoured airship hull with batteries pointing left.
void gunship(cairo_t* cr, const Rect& r) {
    const double cx = r.x0 + 138, cy = r.y0 + 138;
    glow(cr, cx, cy, 120, kBulletBlue, 0.35);
    ellipsePath(cr, cx, cy - 40, 100, 44);
    outlinedFill(cr, {0.25, 0.30, 0.48}, kInk, 2.5);
    for (int i = 0; i < 5; ++i) fillRect(cr, cx - 80 + i * 34, cy - 70, 4, 60, {0.16, 0.20, 0.34});
    cairo_move_to(cr, cx - 106, cy + 10);
    cairo_line_to(cr, cx + 100, cy + 10);
    cairo_line_to(cr, cx + 80, cy + 70);
    cairo_line_to(cr, cx - 70, cy + 70);
    cairo_close_path(cr);
    outlinedFill(cr, {0.45, 0.12, 0.12}, kGold, 2.5);
    for (int i = 0; i < 3; ++i) {
        fillRect(cr, cx - 132, cy + 16 + i * 18, 60, 10, {0.35, 0.33, 0.40});
        glow(cr, cx - 132, cy + 21 + i * 18, 6, kAmber, 0.9);
    }
    for (int i = 0; i < 4; ++i) fillRect(cr, cx - 50 + i * 32, cy + 30, 14, 10, kAmber);
    eye(cr, cx - 60, cy - 40, 10, kBulletBlue);
    cairo_move_to(cr, cx + 90, cy - 20);
    cairo_line_to(cr, cx + 118, cy - 70);
    cairo_line_to(cr, cx + 118, cy + 20);
    cairo_close_path(cr);
    outlinedFill(cr, kGold, kInk, 2);
}

// An arm of the second form: pivot at the picture centre, solid part from 128 left to 256 right of
// it and from `top` to `bottom` around it. A lacquered hub, three jointed plates and a claw.
void arm(cairo_t* cr, double pivotX, double pivotY, double top, double bottom, Colour tone) {
    const double mid = pivotY + (top + bottom) / 2, span = bottom - top;
    glow(cr, pivotX + 40, mid, 200, tone, 0.35);
    const double segments[3][3] = {{-128, 10, 0.95}, {10, 130, 0.75}, {130, 200, 0.55}};
    for (const auto& seg : segments) {
        const double h = span * seg[2];
        roundedRect(cr, pivotX + seg[0], mid - h / 2, seg[1] - seg[0], h, h * 0.3);
        cairo_pattern_t* plate = cairo_pattern_create_linear(0, mid - h / 2, 0, mid + h / 2);
        const Colour lit = mix(tone, kWhite, 0.25);
        cairo_pattern_add_color_stop_rgb(plate, 0, lit.r, lit.g, lit.b);
        cairo_pattern_add_color_stop_rgb(plate, 1, 0.08, 0.03, 0.12);
        cairo_set_source(cr, plate);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(plate);
        setColour(cr, kGold);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        lantern(cr, (2 * pivotX + seg[0] + seg[1]) / 2, mid, h * 0.25, h * 0.32, kVermilion, 1.0);
        cairo_arc(cr, pivotX + seg[1], mid, h * 0.18, 0, 2 * M_PI);
        outlinedFill(cr, kGold, kInk, 2);
    }
    // Claw of three curved talons reaching to 256 right of the pivot.
    for (int talon = -1; talon <= 1; ++talon) {
        cairo_move_to(cr, pivotX + 196, mid + talon * span * 0.12);
        cairo_curve_to(cr, pivotX + 225, mid + talon * span * 0.35, pivotX + 245, mid + talon * span * 0.3,
                       pivotX + 254, mid + talon * span * 0.12);
        cairo_curve_to(cr, pivotX + 236, mid + talon * span * 0.18, pivotX + 220, mid + talon * span * 0.12,
                       pivotX + 200, mid + talon * span * 0.02);
        cairo_close_path(cr);
        outlinedFill(cr, kSilver, kInk, 2);
    }
    cairo_arc(cr, pivotX, mid, span * 0.3, 0, 2 * M_PI);
    outlinedFill(cr, kLacquer, kGold, 4);
    eye(cr, pivotX, mid, span * 0.1, {1.0, 0.15, 0.40});
}

// The second-form core: its weak spot is the eye over texels 100-120.
void core(cairo_t* cr, const Rect& r, const Rect& weakSpot) {
    const double ex = (weakSpot.x0 + weakSpot.x1) / 2.0, ey = (weakSpot.y0 + weakSpot.y1) / 2.0;
    Rng rng(90);
    for (int i = 0; i < 7; ++i) {
        const double a = rng.range(-0.2, 1.8);
        cairo_move_to(cr, ex, ey);
        cairo_curve_to(cr, ex + std::cos(a) * 120, ey + std::sin(a) * 60, ex + std::cos(a) * 220,
                       ey + std::sin(a) * 200, std::fmin(r.x1 - 8, ex + std::cos(a) * 380),
                       std::fmin(r.y1 - 8, ey + std::sin(a) * 260));
        setColour(cr, i % 2 ? kViolet : kLacquer, 0.8);
        cairo_set_line_width(cr, rng.range(6, 14));
        cairo_stroke(cr);
    }
    glow(cr, ex, ey, 110, kLacquer, 0.9);
    starPath(cr, ex, ey, 90, 60, 12, 0.1);
    outlinedFill(cr, {0.12, 0.04, 0.16}, kGold, 3);
    cairo_arc(cr, ex, ey, 50, 0, 2 * M_PI);
    outlinedFill(cr, kIndigo, kViolet, 3);
    glow(cr, ex, ey, 30, {1.0, 0.15, 0.40}, 1.0, 0.3);
    ellipsePath(cr, ex, ey, 10, 10);
    setColour(cr, kWhite);
    cairo_fill(cr);
    ellipsePath(cr, ex, ey, 4, 9);
    setColour(cr, kInk);
    cairo_fill(cr);
}

}  // namespace

void paintEnemies(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    switch (sheet.entry.index) {
    case 0: {
        // Four lit lobes; the top-left one alone is the spawner's orb. That quarter is also drawn
        // additively, so each lobe is solid and its light dims towards a dark rim instead of fading
        // out through alpha: added to the screen it is a soft orb, blended normally a ball with a rim.
        const Rect& shard = sheet.rect("shard");
        sheet.rect("spawnerGlow");
        for (int lobe = 0; lobe < 4; ++lobe) {
            const double cx = shard.x0 + 8 + (lobe % 2) * 16, cy = shard.y0 + 8 + (lobe / 2) * 16;
            const Colour tone = lobe == 0 ? kAmber : kViolet;
            cairo_pattern_t* light = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 7);
            const Colour stops[5] = {kWhite, mix(tone, kWhite, 0.5), tone, scaled(tone, 0.4), scaled(tone, 0.08)};
            const double at[5] = {0, 0.25, 0.5, 0.78, 1};
            for (int i = 0; i < 5; ++i)
                cairo_pattern_add_color_stop_rgb(light, at[i], stops[i].r, stops[i].g, stops[i].b);
            cairo_arc(cr, cx, cy, 7, 0, 2 * M_PI);
            cairo_set_source(cr, light);
            cairo_fill(cr);
            cairo_pattern_destroy(light);
        }
        break;
    }
    case 1:
        warLantern(cr, sheet.rect("boss1"));
        jester(cr, sheet.rect("boss7"));
        palanquin(cr, sheet.rect("boss8"));
        satellite(cr, sheet.rect("satellite"), false);
        satellite(cr, sheet.rect("orbitBoss"), true);
        charger(cr, sheet.rect("charger"));
        bouncer(cr, sheet.rect("bouncer"));
        break;
    case 2: {
        void (*const rows[4])(cairo_t*, double, double, int) = {zigzagFlyer, uTurner, diagonalFlyer, dasher};
        const char* ids[4] = {"zigzag", "uturner", "diagonal", "dasher"};
        for (int row = 0; row < 4; ++row) {
            const Rect& strip = sheet.rect(ids[row]);
            for (int f = 0; f < strip.cells; ++f) rows[row](cr, strip.cellX(f), strip.y0, f);
        }
        platform(cr, sheet.rect("platform"));
        break;
    }
    case 3: gunship(cr, sheet.rect("boss9")); break;
    case 4: {
        const Rect& a = sheet.rect("armA");
        const Rect& b = sheet.rect("armB");
        arm(cr, a.x0 + 256, a.y0 + 128, -60, 100, kViolet);
        arm(cr, b.x0 + 256, b.y0 + 128, 0, 110, kLacquer);
        break;
    }
    default: core(cr, sheet.rect("core"), sheet.rect("coreEye")); break;
    }
}

}  // namespace art

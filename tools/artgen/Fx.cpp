// Effect shapes used by several sheets.
#include "Fx.h"

#include <cmath>

namespace art {

void explosion(cairo_t* cr, double cx, double cy, double size, double t, Colour hot, std::uint32_t seed) {
    const double fade = 1 - t;
    const double radius = size * (0.25 + 0.7 * std::sqrt(t));
    glow(cr, cx, cy, radius, hot, 0.9 * fade + 0.1);
    glow(cr, cx, cy, radius * 0.6 * (1 - t * 0.6), mix(hot, palette::kWhite, 0.7), fade);
    Rng rng(seed);
    for (int i = 0; i < 10; ++i) {
        const double a = rng.range(0, 2 * M_PI), d = radius * rng.range(0.5, 1.0);
        const double r = size * rng.range(0.06, 0.14) * (1 - t * 0.5);
        glow(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, r * 2, hot, fade * 0.9);
    }
    if (t > 0.3) {
        cairo_arc(cr, cx, cy, radius * 0.95, 0, 2 * M_PI);
        setColour(cr, hot, (1 - t) * 0.8);
        cairo_set_line_width(cr, size * 0.06);
        cairo_stroke(cr);
    }
}

void needle(cairo_t* cr, double cx, double cy, double length, double width, double degrees, Colour tone) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, degrees * M_PI / 180);
    ellipsePath(cr, 0, 0, length / 2, width / 2);
    setColour(cr, tone);
    cairo_fill(cr);
    ellipsePath(cr, 0, 0, length / 2 * 0.75, width / 2 * 0.5);
    setColour(cr, mix(tone, palette::kWhite, 0.8));
    cairo_fill(cr);
    cairo_restore(cr);
}

void energyBall(cairo_t* cr, double cx, double cy, double radius, double phase, Colour tone) {
    const double pulse = 0.8 + 0.2 * std::sin(phase * 2 * M_PI);
    glow(cr, cx, cy, radius * pulse, tone, 0.9);
    glow(cr, cx, cy, radius * 0.45 * pulse, mix(tone, palette::kWhite, 0.8), 1.0, 0.4);
    for (int i = 0; i < 3; ++i) {
        const double a = phase * 2 * M_PI + i * 2 * M_PI / 3;
        cairo_arc(cr, cx, cy, radius * 0.7 * pulse, a, a + 0.9);
        setColour(cr, mix(tone, palette::kWhite, 0.5), 0.8);
        cairo_set_line_width(cr, radius * 0.08);
        cairo_stroke(cr);
    }
}

}  // namespace art

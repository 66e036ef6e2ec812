// Drawing helpers shared by every picture: the palette, glows, shapes, seeded noise and captions.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "Catalog.h"

namespace art {

struct Colour {
    double r, g, b;
};

// One palette across every archive: a lantern-lit night.
namespace palette {
constexpr Colour kNight{0.04, 0.03, 0.12};
constexpr Colour kIndigo{0.11, 0.09, 0.30};
constexpr Colour kViolet{0.33, 0.18, 0.50};
constexpr Colour kDusk{0.55, 0.30, 0.55};
constexpr Colour kAmber{1.00, 0.68, 0.22};
constexpr Colour kVermilion{0.89, 0.25, 0.11};
constexpr Colour kGold{0.96, 0.80, 0.34};
constexpr Colour kPaper{0.97, 0.91, 0.78};
constexpr Colour kLacquer{0.42, 0.05, 0.08};
constexpr Colour kInk{0.07, 0.05, 0.10};
constexpr Colour kTeal{0.12, 0.66, 0.66};
constexpr Colour kSilver{0.80, 0.85, 0.92};
constexpr Colour kWhite{1.0, 1.0, 1.0};
constexpr Colour kBulletRed{1.0, 0.30, 0.45};
constexpr Colour kBulletBlue{0.35, 0.65, 1.0};
}  // namespace palette

Colour mix(Colour a, Colour b, double t);
Colour scaled(Colour c, double f);

// Small seeded generator so every run paints the same noise.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t next();
    double uniform();                        // [0, 1)
    double range(double lo, double hi);      // [lo, hi)

private:
    std::uint32_t state_;
};

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);
void fillRect(cairo_t* cr, double x, double y, double w, double h, Colour c, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void verticalGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom);

// A soft round light: `core` at the centre fading to nothing at `radius`.
void glow(cairo_t* cr, double cx, double cy, double radius, Colour core, double alpha = 1.0,
          double hardness = 0.0);
// A bright-cored ball with a dark rim: reads on light and dark backgrounds alike.
void rimmedBall(cairo_t* cr, double cx, double cy, double radius, Colour body);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// A paper lantern: lacquered caps, ribbed glowing body.
// glowReach is the radius of the light around it in widths; small sprites keep it inside their cell.
void lantern(cairo_t* cr, double cx, double cy, double w, double h, Colour paper, double light,
             double glowReach = 1.3);

// Centres UTF-8 text in the box, shrunk to fit, filled with `fill` and outlined with `outline`.
void caption(cairo_t* cr, const char* text, double x, double y, double w, double h, Colour fill,
             Colour outline, double sizePx, bool mincho = false);

// One glyph per frame of the strip, all at one size on one baseline (digits must not change size).
void glyphRow(cairo_t* cr, const Rect& strip, const char* const* glyphs, Colour fill, Colour outline,
              double sizePx);

// Clips drawing to the rectangle (or to one cell of it) until the matching cairo_restore.
void clipTo(cairo_t* cr, const Rect& rect);
void clipToCell(cairo_t* cr, const Rect& rect, int cell);

}  // namespace art

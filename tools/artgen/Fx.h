// Effect shapes used by several sheets: explosions, needles and energy balls.
#pragma once

#include <cairo.h>

#include "Paint.h"

namespace art {

// One frame of an explosion at time t (0 first frame, 1 last) within radius `size`.
void explosion(cairo_t* cr, double cx, double cy, double size, double t, Colour hot, std::uint32_t seed);
// A needle symmetric end to end, rotated by `degrees`, `length` long.
void needle(cairo_t* cr, double cx, double cy, double length, double width, double degrees, Colour tone);
// A pulsing energy ball; `phase` 0-1 runs once round the loop.
void energyBall(cairo_t* cr, double cx, double cy, double radius, double phase, Colour tone);

}  // namespace art

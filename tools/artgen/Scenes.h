// Full-screen 640x480 compositions that are stored split into a 512-wide main part and a 128-wide strip.
#pragma once

#include <cairo.h>

namespace art {

// The double-charge cut-in of a pilot: the pilot over speed lines, transparent elsewhere.
void drawCutinScene(cairo_t* cr, int character);
// Gallery picture k (0-7), fully painted: 0 and 1 the pilots after a defeat, 2 and 3 the victory,
// 4-7 the bosses.
void drawGalleryScene(cairo_t* cr, int picture);

// Paints `scene` at 640x480 and copies its columns [sourceX, sourceX + width) to (destX, 0) of `cr`.
void copySceneColumns(cairo_t* cr, void (*scene)(cairo_t*, int), int which, int sourceX, int width, int destX);

}  // namespace art

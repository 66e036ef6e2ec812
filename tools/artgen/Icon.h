// The application icon: a winged paper lantern, the lantern-craft, on a
// night-sky tile.
#pragma once

#include <cairo.h>

namespace art {

// Paints the icon over a size x size surface. Small sizes drop the fine
// detail (ribs, stars, rim light) and thicken the outlines, so that the
// lantern and its wings still read at 16 pixels.
void paintIcon(cairo_t* cr, int size);

}  // namespace art

// evcg.pac: the eight gallery pictures (main parts and side strips) and the locked placeholder.
#include <cmath>

#include "Paint.h"
#include "Scenes.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

// Shown both as an 80x60 thumbnail and full screen: one bold emblem centred in rows 0-480.
void lockedPlaceholder(cairo_t* cr) {
    verticalGradient(cr, 0, 0, 512, 512, kIndigo, kNight);
    for (int i = -8; i < 16; ++i) {
        cairo_move_to(cr, i * 48, 0);
        cairo_line_to(cr, i * 48 + 512, 512);
        setColour(cr, kViolet, 0.25);
        cairo_set_line_width(cr, 10);
        cairo_stroke(cr);
    }
    glow(cr, 256, 240, 200, kAmber, 0.35);
    cairo_arc(cr, 256, 200, 60, M_PI, 2 * M_PI);
    cairo_line_to(cr, 316, 240);
    cairo_move_to(cr, 196, 240);
    cairo_line_to(cr, 196, 200);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 26);
    cairo_stroke(cr);
    roundedRect(cr, 160, 230, 192, 150, 20);
    setColour(cr, kLacquer);
    cairo_fill_preserve(cr);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_arc(cr, 256, 290, 18, 0, 2 * M_PI);
    setColour(cr, kNight);
    cairo_fill(cr);
    fillRect(cr, 248, 296, 16, 44, kNight);
}

}  // namespace

void paintGallery(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    const int index = sheet.entry.index;
    // Rows 480-511 are never shown; keep them painted like the pictures' lower edge.
    fillRect(cr, 0, 0, sheet.entry.width, sheet.entry.height, kNight);
    if (index == 10) {
        sheet.rect("locked");
        lockedPlaceholder(cr);
    } else if (index >= 2) {
        sheet.rect(("picture" + std::to_string(index - 2)).c_str());
        copySceneColumns(cr, drawGalleryScene, index - 2, 0, 512, 0);
    } else {
        const Rect& strips = sheet.rect(("strips" + std::to_string(index)).c_str());
        for (int j = 0; j < strips.cells; ++j)
            copySceneColumns(cr, drawGalleryScene, index * 4 + j, 512, strips.cellWidth(), strips.cellX(j));
    }
}

}  // namespace art

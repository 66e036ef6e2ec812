// p_sel.pac: the two large pilot portraits, the selection brackets and the backdrop line colour.
#include <cmath>

#include "Figures.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

void largePortrait(cairo_t* cr, const Rect& r, int character) {
    const Look& look = character == 0 ? cast::kPilot0 : cast::kPilot1;
    const Colour accent = character == 0 ? kVermilion : kTeal;
    glow(cr, r.x0 + 256, r.y0 + 220, 240, accent, 0.55);
    glow(cr, r.x0 + 256, r.y0 + 200, 140, kAmber, 0.25);
    // Hanging lanterns framing the pilot.
    for (int i = 0; i < 3; ++i) {
        const double x = r.x0 + 60 + i * 190, y = r.y0 + 60 + (i % 2) * 40;
        cairo_move_to(cr, x, r.y0);
        cairo_line_to(cr, x, y - 24);
        setColour(cr, kGold, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        lantern(cr, x, y, 34, 42, character == 0 ? kVermilion : kTeal, 0.9);
    }
    drawBust(cr, r.x0 + 40, r.y0 + 80, 432, look, Expression::Determined);
}

void bracket(cairo_t* cr, const Rect& r, bool top) {
    const double y = top ? r.y0 + 4 : r.y1 - 4, inward = top ? 14 : -14;
    for (int side = 0; side < 2; ++side) {
        const double x = side ? r.x1 - 4 : r.x0 + 4, along = side ? -18 : 18;
        cairo_move_to(cr, x, y + inward);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + along, y);
    }
    setColour(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    starPath(cr, r.x0 + 32, y, 5, 2, 4, 0);
    setColour(cr, kAmber);
    cairo_fill(cr);
}

}  // namespace

void paintSelect(const Sheet& sheet) {
    switch (sheet.entry.index) {
    case 0: largePortrait(sheet.cr, sheet.rect("portrait0"), 0); break;
    case 1: largePortrait(sheet.cr, sheet.rect("portrait1"), 1); break;
    case 2:
        bracket(sheet.cr, sheet.rect("bracketTop"), true);
        bracket(sheet.cr, sheet.rect("bracketBottom"), false);
        break;
    default: {
        const Rect& line = sheet.rect("gridLine");
        fillRect(sheet.cr, line.x0, line.y0, line.width(), line.height(), {0.42, 0.30, 0.70});
        break;
    }
    }
}

}  // namespace art

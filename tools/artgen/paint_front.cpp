// front.pac: the two conversation window backgrounds, the in-game menu and the unlock caption.
#include <cmath>

#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

// A lacquer panel with paper grain and a gold border, fully opaque so each page erases the last.
void windowPanel(cairo_t* cr, const Rect& r, Colour accent, std::uint32_t seed) {
    verticalGradient(cr, r.x0, r.y0, r.width(), r.height(), mix(kIndigo, accent, 0.25), kNight);
    Rng rng(seed);
    for (int i = 0; i < 900; ++i) {
        const double x = r.x0 + rng.range(0, r.width()), y = r.y0 + rng.range(0, r.height());
        fillRect(cr, x, y, rng.range(2, 9), 1, kPaper, rng.range(0.02, 0.06));
    }
    glow(cr, r.x0 + r.width() * 0.85, r.y0 + r.height() * 0.2, 140, accent, 0.18);
    roundedRect(cr, r.x0 + 6, r.y0 + 6, r.width() - 12, r.height() - 12, 10);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundedRect(cr, r.x0 + 12, r.y0 + 12, r.width() - 24, r.height() - 24, 6);
    setColour(cr, kGold, 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int corner = 0; corner < 4; ++corner) {
        const double x = corner % 2 ? r.x1 - 14 : r.x0 + 14, y = corner / 2 ? r.y1 - 14 : r.y0 + 14;
        starPath(cr, x, y, 6, 2.5, 4, 0);
        setColour(cr, kGold);
        cairo_fill(cr);
    }
}

void menuPanel(cairo_t* cr, const Rect& r) {
    roundedRect(cr, r.x0 + 2, r.y0 + 2, r.width() - 4, r.height() - 4, 10);
    setColour(cr, kNight, 0.92);
    cairo_fill(cr);
    // Ornament only on the side bands and the top and bottom bands; the middle stays plain for the entries.
    for (int side = 0; side < 2; ++side) {
        const double cx = side ? r.x1 - 32 : r.x0 + 32, cy = r.y0 + r.height() / 2.0;
        lantern(cr, cx, cy, 26, 34, kVermilion, 1.0);
        cairo_move_to(cr, cx, r.y0 + 16);
        cairo_line_to(cr, cx, cy - 20);
        setColour(cr, kGold);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    roundedRect(cr, r.x0 + 3, r.y0 + 3, r.width() - 6, r.height() - 6, 10);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int band = 0; band < 2; ++band) {
        const double y = band ? r.y1 - 9 : r.y0 + 9;
        cairo_move_to(cr, r.x0 + 64, y);
        cairo_line_to(cr, r.x1 - 64, y);
        setColour(cr, kVermilion);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void menuEntry(cairo_t* cr, const Rect& r, const char* text) {
    roundedRect(cr, r.x0 + 2, r.y0 + 3, r.width() - 4, r.height() - 6, 6);
    setColour(cr, kLacquer, 0.85);
    cairo_fill_preserve(cr);
    setColour(cr, kGold, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    caption(cr, text, r.x0 + 4, r.y0 + 4, r.width() - 8, r.height() - 8, kPaper, kInk, 20);
}

}  // namespace

void paintFront(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    if (sheet.entry.index == 0) {
        windowPanel(cr, sheet.rect("window0"), kVermilion, 11);
        return;
    }
    windowPanel(cr, sheet.rect("window1"), kTeal, 12);
    menuPanel(cr, sheet.rect("menuPanel"));
    menuEntry(cr, sheet.rect("menuTitle"), "タイトルへ");
    menuEntry(cr, sheet.rect("menuRetry"), "リトライ");
    menuEntry(cr, sheet.rect("menuResume"), "ゲームに戻る");
    const Rect& unlock = sheet.rect("unlockCaption");
    roundedRect(cr, unlock.x0 + 2, unlock.y0 + 2, unlock.width() - 4, unlock.height() - 4, 8);
    setColour(cr, kNight, 0.8);
    cairo_fill(cr);
    caption(cr, "ギャラリーに追加！", unlock.x0 + 6, unlock.y0 + 3, unlock.width() - 12, unlock.height() - 6, kGold,
            kLacquer, 22);
}

}  // namespace art

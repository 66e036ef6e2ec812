// p_b1.pac / p_b2.pac: the double-charge cut-in, a 640x480 composition split into main part and strip.
// Both files carry both pilots' strips, so each file works whatever column the game picks.
#include "Scenes.h"
#include "Sheet.h"

namespace art {

void paintCutins(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    if (sheet.entry.index == 0) {
        for (int character = 0; character < 2; ++character) {
            const Rect& strip = sheet.rect(character == 0 ? "strip0" : "strip1");
            copySceneColumns(cr, drawCutinScene, character, 512, strip.width(), strip.x0);
        }
        return;
    }
    sheet.rect("cutin");
    copySceneColumns(cr, drawCutinScene, sheet.archive.name == "p_b2" ? 1 : 0, 0, 512, 0);
}

}  // namespace art

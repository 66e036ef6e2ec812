// What a picture painter receives: the cairo context of one archive entry and its catalogued rectangles.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "Catalog.h"

namespace art {

struct Sheet {
    cairo_t* cr;
    const Archive& archive;
    const Entry& entry;
    std::vector<std::string>& errors;

    // The rectangle with this id; a missing id is reported and a 1x1 stand-in returned.
    const Rect& rect(const char* id) const;
};

// One painter per archive; each switches on the entry index.
void paintFront(const Sheet& sheet);
void paintMap(const Sheet& sheet);
void paintPower(const Sheet& sheet);
void paintEnemies(const Sheet& sheet);
void paintEnemyShots(const Sheet& sheet);
void paintEffects(const Sheet& sheet);
void paintPortraits(const Sheet& sheet);
void paintBackgrounds(const Sheet& sheet);
void paintSelect(const Sheet& sheet);
void paintCraft(const Sheet& sheet);
void paintShotsA(const Sheet& sheet);
void paintShotsB(const Sheet& sheet);
void paintCutins(const Sheet& sheet);
void paintGallery(const Sheet& sheet);

}  // namespace art

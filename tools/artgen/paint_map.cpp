// map_b.pac: the tile sheet. Rows 0-5 hold one material each (fill, four edges, four corners, then
// fixed pieces); every tile is opaque so walls read as solid, and the material patterns repeat every
// 32 texels so neighbouring tiles line up. The map characters and their bullets fill rows 6-15.
#include <cmath>

#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

enum class Material { NightStone, Town, Castle, Cavern, Iron, Shrine };

struct MaterialLook {
    Colour base, light, dark, rim;
};

MaterialLook lookOf(Material m) {
    switch (m) {
    case Material::Town: return {{0.30, 0.20, 0.18}, {0.48, 0.34, 0.28}, {0.14, 0.08, 0.08}, {0.30, 0.34, 0.48}};
    case Material::Castle: return {{0.30, 0.27, 0.38}, {0.46, 0.42, 0.55}, {0.14, 0.12, 0.20}, kGold};
    case Material::Cavern: return {{0.17, 0.13, 0.16}, {0.30, 0.24, 0.26}, {0.07, 0.05, 0.07}, kAmber};
    case Material::Iron: return {{0.26, 0.24, 0.26}, {0.46, 0.44, 0.46}, {0.10, 0.09, 0.11}, {0.80, 0.45, 0.15}};
    case Material::Shrine: return {{0.56, 0.12, 0.10}, {0.80, 0.28, 0.18}, {0.28, 0.04, 0.05}, kGold};
    default: return {{0.16, 0.15, 0.26}, {0.28, 0.26, 0.42}, {0.07, 0.06, 0.12}, kViolet};
    }
}

// The material's surface inside one 32x32 cell; every line either repeats at the cell edge or stays
// inside it, so any arrangement of tiles joins cleanly.
void surface(cairo_t* cr, double x, double y, Material m, std::uint32_t seed) {
    const MaterialLook look = lookOf(m);
    fillRect(cr, x, y, 32, 32, look.base);
    cairo_set_line_width(cr, 1);
    switch (m) {
    case Material::Town:
        // Plaster between dark timber posts.
        fillRect(cr, x, y, 32, 32, {0.62, 0.52, 0.42});
        fillRect(cr, x, y, 4, 32, look.dark);
        fillRect(cr, x + 16, y, 4, 32, look.dark);
        fillRect(cr, x, y + 14, 32, 3, look.dark);
        break;
    case Material::Castle: case Material::NightStone:
        // Dressed stone: two courses per tile, the upper one offset by half a block.
        for (int course = 0; course < 2; ++course) {
            const double cy = y + course * 16;
            fillRect(cr, x, cy + 15, 32, 1, look.dark);
            fillRect(cr, x, cy, 32, 1, look.light);
            const double joint = course == 0 ? x + 16 : x;
            fillRect(cr, joint, cy, 1, 15, look.dark);
            if (course == 1) fillRect(cr, x + 31, cy, 1, 15, look.dark);
        }
        break;
    case Material::Cavern: {
        Rng rng(seed);
        for (int i = 0; i < 6; ++i) {
            ellipsePath(cr, x + rng.range(6, 26), y + rng.range(6, 26), rng.range(3, 6), rng.range(2, 4));
            setColour(cr, rng.uniform() < 0.5 ? look.light : look.dark, 0.8);
            cairo_fill(cr);
        }
        break;
    }
    case Material::Iron:
        fillRect(cr, x, y, 32, 1, look.light);
        fillRect(cr, x, y, 1, 32, look.light);
        fillRect(cr, x, y + 31, 32, 1, look.dark);
        fillRect(cr, x + 31, y, 1, 32, look.dark);
        for (int i = 0; i < 4; ++i) {
            cairo_arc(cr, x + (i % 2 ? 26 : 6), y + (i / 2 ? 26 : 6), 1.6, 0, 2 * M_PI);
            setColour(cr, look.light);
            cairo_fill(cr);
        }
        break;
    case Material::Shrine:
        verticalGradient(cr, x, y, 32, 32, look.light, look.base);
        fillRect(cr, x, y + 30, 32, 2, look.dark);
        fillRect(cr, x + 6, y + 4, 20, 1, kWhite, 0.25);
        break;
    }
    Rng grain(seed * 7 + 1);
    for (int i = 0; i < 10; ++i)
        fillRect(cr, x + grain.range(1, 30), y + grain.range(1, 30), 1, 1, grain.uniform() < 0.5 ? look.light : look.dark,
                 0.6);
}

// Exposed sides of a wall piece get a rim: piece 0 fill, 1 top, 2 bottom, 3 left, 4 right,
// 5-8 the top-left, top-right, bottom-left and bottom-right corners.
void rims(cairo_t* cr, double x, double y, Material m, int piece) {
    static constexpr bool kTop[9] = {false, true, false, false, false, true, true, false, false};
    static constexpr bool kBottom[9] = {false, false, true, false, false, false, false, true, true};
    static constexpr bool kLeft[9] = {false, false, false, true, false, true, false, true, false};
    static constexpr bool kRight[9] = {false, false, false, false, true, false, true, false, true};
    const MaterialLook look = lookOf(m);
    if (kTop[piece]) {
        fillRect(cr, x, y, 32, 5, look.rim);
        fillRect(cr, x, y + 5, 32, 1, look.dark);
        if (m == Material::Town)
            for (int i = 0; i < 4; ++i) {
                cairo_arc(cr, x + 4 + i * 8, y + 5, 4, M_PI, 2 * M_PI);
                setColour(cr, mix(look.rim, kWhite, 0.2));
                cairo_fill(cr);
            }
    }
    if (kBottom[piece]) {
        fillRect(cr, x, y + 28, 32, 4, scaled(look.rim, 0.7));
        fillRect(cr, x, y + 27, 32, 1, look.dark);
    }
    if (kLeft[piece]) {
        fillRect(cr, x, y, 4, 32, scaled(look.rim, 0.85));
        fillRect(cr, x + 4, y, 1, 32, look.dark);
    }
    if (kRight[piece]) {
        fillRect(cr, x + 28, y, 4, 32, scaled(look.rim, 0.6));
        fillRect(cr, x + 27, y, 1, 32, look.dark);
    }
}

// Fixed pieces 9-15 of a material row.
void feature(cairo_t* cr, double x, double y, Material m, int piece, std::uint32_t seed) {
    const MaterialLook look = lookOf(m);
    surface(cr, x, y, m, seed);
    const int which = piece - 9;
    switch (m) {
    case Material::Town:
        if (which == 0) {  // window
            fillRect(cr, x + 5, y + 5, 22, 20, look.dark);
            fillRect(cr, x + 7, y + 7, 18, 16, mix(kPaper, kAmber, 0.4));
            fillRect(cr, x + 15, y + 7, 2, 16, look.dark);
            fillRect(cr, x + 7, y + 14, 18, 2, look.dark);
        } else if (which == 1) {  // eave with a hanging lantern
            fillRect(cr, x, y, 32, 6, look.rim);
            fillRect(cr, x, y, 32, 32, look.dark, 0.6);
            fillRect(cr, x + 15, y + 6, 2, 5, kInk);
            lantern(cr, x + 16, y + 19, 13, 14, kVermilion, 1.0);
        } else if (which == 2) {  // lattice
            fillRect(cr, x, y, 32, 32, look.dark);
            for (int i = 0; i < 4; ++i) {
                fillRect(cr, x + i * 8 + 3, y, 2, 32, look.light);
                fillRect(cr, x, y + i * 8 + 3, 32, 2, look.light);
            }
        } else if (which == 3) {  // chimney
            fillRect(cr, x + 8, y, 16, 32, {0.40, 0.30, 0.28});
            fillRect(cr, x + 6, y, 20, 5, look.dark);
        } else {
            fillRect(cr, x + 4, y + 4 + which * 3, 24, 3, look.dark, 0.5);
        }
        break;
    case Material::Castle:
        if (which == 0) {  // merlon
            fillRect(cr, x, y, 32, 6, kGold);
            fillRect(cr, x + 10, y + 6, 12, 8, look.dark);
        } else if (which == 1) {  // arrow slit
            fillRect(cr, x + 13, y + 4, 6, 24, kInk);
            fillRect(cr, x + 14, y + 6, 4, 20, kAmber, 0.85);
        } else if (which == 2) {  // ornament
            starPath(cr, x + 16, y + 16, 11, 4, 6, 0);
            setColour(cr, kGold);
            cairo_fill(cr);
        } else if (which == 3) {  // portcullis
            fillRect(cr, x, y, 32, 32, kInk);
            for (int i = 0; i < 4; ++i) fillRect(cr, x + 3 + i * 8, y, 3, 32, {0.45, 0.45, 0.50});
            fillRect(cr, x, y + 14, 32, 3, {0.45, 0.45, 0.50});
        } else {
            fillRect(cr, x + 6, y + 6, 20, 20, look.light, 0.2 * which);
        }
        break;
    case Material::Cavern:
        if (which == 0) {  // crystal cluster
            glow(cr, x + 16, y + 20, 14, kAmber, 0.7);
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, x + 16 + i * 7 - 4, y + 30);
                cairo_line_to(cr, x + 16 + i * 7, y + 8 + std::abs(i) * 6);
                cairo_line_to(cr, x + 16 + i * 7 + 4, y + 30);
                cairo_close_path(cr);
                setColour(cr, mix(kAmber, kWhite, 0.3));
                cairo_fill(cr);
            }
        } else if (which == 1 || which == 2) {  // stalactite / stalagmite relief
            const bool down = which == 1;
            cairo_move_to(cr, x + 4, down ? y : y + 32);
            cairo_line_to(cr, x + 16, down ? y + 30 : y + 2);
            cairo_line_to(cr, x + 28, down ? y : y + 32);
            cairo_close_path(cr);
            setColour(cr, look.light);
            cairo_fill(cr);
        } else if (which == 3) {  // moss vein
            cairo_move_to(cr, x, y + 20);
            cairo_curve_to(cr, x + 10, y + 8, x + 22, y + 28, x + 32, y + 14);
            setColour(cr, {0.55, 0.80, 0.30});
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        } else {
            glow(cr, x + 10 + which * 3, y + 16, 5, kAmber, 0.6);
        }
        break;
    case Material::Iron:
        if (which == 0 || which == 1) {  // pipes
            const bool across = which == 0;
            if (across) verticalGradient(cr, x, y + 8, 32, 16, look.light, look.dark);
            else {
                cairo_pattern_t* p = cairo_pattern_create_linear(x + 8, 0, x + 24, 0);
                cairo_pattern_add_color_stop_rgb(p, 0, look.light.r, look.light.g, look.light.b);
                cairo_pattern_add_color_stop_rgb(p, 1, look.dark.r, look.dark.g, look.dark.b);
                cairo_rectangle(cr, x + 8, y, 16, 32);
                cairo_set_source(cr, p);
                cairo_fill(cr);
                cairo_pattern_destroy(p);
            }
        } else if (which == 2) {  // hazard stripes
            cairo_save(cr);
            cairo_rectangle(cr, x, y, 32, 32);
            cairo_clip(cr);
            fillRect(cr, x, y, 32, 32, {0.85, 0.65, 0.10});
            for (int i = -2; i < 4; ++i) {
                cairo_move_to(cr, x + i * 16, y + 32);
                cairo_line_to(cr, x + i * 16 + 8, y + 32);
                cairo_line_to(cr, x + i * 16 + 40, y);
                cairo_line_to(cr, x + i * 16 + 32, y);
                cairo_close_path(cr);
                setColour(cr, kInk);
                cairo_fill(cr);
            }
            cairo_restore(cr);
        } else if (which == 3) {  // furnace grate
            fillRect(cr, x + 3, y + 3, 26, 26, {0.95, 0.45, 0.10});
            glow(cr, x + 16, y + 16, 12, kAmber, 0.9);
            for (int i = 0; i < 4; ++i) fillRect(cr, x + 3, y + 5 + i * 7, 26, 2, kInk);
        } else {
            fillRect(cr, x + 4, y + 12, 24, 8, look.dark, 0.3 + 0.15 * which);
        }
        break;
    case Material::Shrine:
        if (which == 0) {  // crossbeam end
            fillRect(cr, x, y + 6, 32, 12, {0.10, 0.06, 0.08});
            fillRect(cr, x, y + 18, 32, 4, kGold);
        } else if (which == 1) {  // bell
            cairo_move_to(cr, x + 8, y + 24);
            cairo_curve_to(cr, x + 8, y + 6, x + 24, y + 6, x + 24, y + 24);
            cairo_close_path(cr);
            setColour(cr, kGold);
            cairo_fill(cr);
            cairo_arc(cr, x + 16, y + 26, 3, 0, 2 * M_PI);
            cairo_fill(cr);
        } else if (which == 2) {  // paper charm
            fillRect(cr, x + 10, y + 2, 12, 28, kPaper);
            fillRect(cr, x + 13, y + 6, 6, 2, kVermilion);
            fillRect(cr, x + 15, y + 10, 2, 14, kVermilion);
        } else if (which == 3) {  // cloud-stone ledge
            fillRect(cr, x, y, 32, 32, {0.70, 0.66, 0.78});
            for (int i = 0; i < 3; ++i) {
                cairo_arc(cr, x + 6 + i * 10, y + 8, 7, 0, 2 * M_PI);
                setColour(cr, kPaper);
                cairo_fill(cr);
            }
        } else {
            fillRect(cr, x + 2, y + 12, 28, 3, kGold, 0.4 + 0.1 * which);
        }
        break;
    case Material::NightStone:
        glow(cr, x + 16, y + 16, 6 + which, kViolet, 0.5);
        break;
    }
}

void materialRow(const Sheet& sheet, const char* id, Material m, int firstPiece) {
    const Rect& row = sheet.rect(id);
    for (int cell = 0; cell < row.cells; ++cell) {
        const int piece = firstPiece + cell;
        const double x = row.cellX(cell), y = row.y0;
        if (piece <= 8) {
            surface(sheet.cr, x, y, m, 17 * piece + 5);
            rims(sheet.cr, x, y, m, piece);
        } else {
            feature(sheet.cr, x, y, m, piece, 17 * piece + 5);
        }
    }
}

void plainFills(const Sheet& sheet, const char* id, int& turn) {
    const Rect& row = sheet.rect(id);
    for (int cell = 0; cell < row.cells; ++cell, ++turn)
        surface(sheet.cr, row.cellX(cell), row.y0, static_cast<Material>(turn % 6), 1000 + turn);
}

void rotatingTurret(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 32, cy = r.y0 + 32;
        const double recoil = f == 1 ? 4 : f == 2 ? 2 : 0;
        // Barrel toward -u (left): the game rotates the sprite to face the other directions.
        fillRect(cr, cx - 30 + recoil, cy - 5, 26, 10, {0.35, 0.32, 0.38});
        fillRect(cr, cx - 30 + recoil, cy - 5, 26, 2, {0.6, 0.6, 0.65});
        if (f == 1) glow(cr, cx - 30, cy, 9, kAmber, 1.0);
        cairo_arc(cr, cx, cy, 18, 0, 2 * M_PI);
        setColour(cr, {0.30, 0.10, 0.14});
        cairo_fill_preserve(cr);
        setColour(cr, kGold);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, f * M_PI / 10);
        starPath(cr, 0, 0, 12, 6, 6, 0);
        cairo_restore(cr);
        setColour(cr, kVermilion);
        cairo_fill(cr);
        glow(cr, cx, cy, 6, kAmber, 1.0, 0.5);
    }
}

void dome(cairo_t* cr, const Rect& r, int arms) {
    const double cx = r.x0 + 16, cy = r.y0 + 16;
    cairo_arc(cr, cx, cy, 14, 0, 2 * M_PI);
    setColour(cr, {0.22, 0.18, 0.30});
    cairo_fill_preserve(cr);
    setColour(cr, kGold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (arms == 0) {
        cairo_arc(cr, cx, cy, 6, 0, 2 * M_PI);
        setColour(cr, kVermilion);
        cairo_fill(cr);
    } else {
        for (int i = 0; i < arms; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, i * 2 * M_PI / arms);
            cairo_move_to(cr, 0, 0);
            cairo_curve_to(cr, 6, -2, 9, 3, 10, 8);
            setColour(cr, arms == 4 ? kTeal : kAmber);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
    }
    glow(cr, cx, cy, 4, kWhite, 1.0, 0.5);
}

void block(cairo_t* cr, const Rect& r) {
    roundedRect(cr, r.x0 + 1, r.y0 + 1, 30, 30, 4);
    setColour(cr, kPaper);
    cairo_fill_preserve(cr);
    setColour(cr, kLacquer);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    fillRect(cr, r.x0 + 1, r.y0 + 13, 30, 6, kVermilion);
    starPath(cr, r.x0 + 16, r.y0 + 16, 6, 3, 5, 0);
    setColour(cr, kGold);
    cairo_fill(cr);
}

// Seamless both ways: every stripe runs the full cell and the glow is constant along both axes.
void beam(cairo_t* cr, const Rect& r) {
    fillRect(cr, r.x0, r.y0, 32, 32, {0.55, 0.15, 0.50});
    for (int i = 0; i < 4; ++i) {
        fillRect(cr, r.x0 + i * 8, r.y0, 4, 32, {0.95, 0.55, 0.95}, 0.45);
        fillRect(cr, r.x0, r.y0 + i * 8 + 4, 32, 2, kWhite, 0.35);
    }
}

void crawler(cairo_t* cr, const Rect& r) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 32, cy = r.y0 + 32;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, f * M_PI / 12);
        starPath(cr, 0, 0, 30, 20, 12, 0);
        setColour(cr, {0.40, 0.38, 0.45});
        cairo_fill_preserve(cr);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_arc(cr, 0, 0, 17, 0, 2 * M_PI);
        setColour(cr, {0.55, 0.12, 0.12});
        cairo_fill(cr);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 0, 0);
            cairo_arc(cr, 0, 0, 14, i * 2 * M_PI / 3, i * 2 * M_PI / 3 + 0.6);
            cairo_close_path(cr);
            setColour(cr, kGold);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        glow(cr, cx, cy, 7, kAmber, 1.0, 0.4);
    }
}

// Map bullets point right (+u), with a bright core and dark rim.
void mapBullet(cairo_t* cr, const Rect& r, Colour tone) {
    for (int f = 0; f < r.cells; ++f) {
        const double cx = r.cellX(f) + 16, cy = r.y0 + 16;
        const double pulse = 1 + 0.15 * std::sin(f * M_PI / 4);
        cairo_move_to(cr, cx + 13 * pulse, cy);
        cairo_line_to(cr, cx - 6, cy - 7 * pulse);
        cairo_line_to(cr, cx - 11, cy);
        cairo_line_to(cr, cx - 6, cy + 7 * pulse);
        cairo_close_path(cr);
        setColour(cr, scaled(tone, 0.25));
        cairo_fill(cr);
        cairo_move_to(cr, cx + 10 * pulse, cy);
        cairo_line_to(cr, cx - 4, cy - 4.5 * pulse);
        cairo_line_to(cr, cx - 8, cy);
        cairo_line_to(cr, cx - 4, cy + 4.5 * pulse);
        cairo_close_path(cr);
        setColour(cr, tone);
        cairo_fill(cr);
        glow(cr, cx + 1, cy, 4, kWhite, 1.0, 0.6);
    }
}

void hatch(cairo_t* cr, const Rect& r, bool floor) {
    for (int f = 0; f < 2; ++f) {
        const double x = r.cellX(f), y = r.y0;
        // The frame sits on the floor (doors on top) or hangs from the ceiling (doors underneath).
        const double doorY = floor ? y + 8 : y + 44;
        fillRect(cr, x + 4, floor ? y + 20 : y + 4, 120, 40, {0.22, 0.20, 0.26});
        fillRect(cr, x + 4, floor ? y + 20 : y + 40, 120, 4, kGold);
        for (int i = 0; i < 5; ++i) fillRect(cr, x + 14 + i * 24, floor ? y + 30 : y + 10, 8, 24, {0.12, 0.10, 0.14});
        if (f == 0) {
            fillRect(cr, x + 24, doorY, 80, 12, {0.45, 0.12, 0.12});
            fillRect(cr, x + 63, doorY, 2, 12, kInk);
        } else {
            glow(cr, x + 64, doorY + 6, 30, kAmber, 0.9);
            fillRect(cr, x + 14, doorY, 14, 12, {0.45, 0.12, 0.12});
            fillRect(cr, x + 100, doorY, 14, 12, {0.45, 0.12, 0.12});
        }
    }
}

}  // namespace

void paintMap(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    sheet.rect("emptyTile");
    materialRow(sheet, "tilesRow0", Material::NightStone, 0);
    materialRow(sheet, "tilesRow1", Material::Town, 0);
    materialRow(sheet, "tilesRow2", Material::Castle, 0);
    materialRow(sheet, "tilesRow3", Material::Cavern, 0);
    materialRow(sheet, "tilesRow4", Material::Iron, 0);
    materialRow(sheet, "tilesRow5", Material::Shrine, 0);
    int turn = 0;
    for (const char* id : {"tilesRow6", "tilesRow7", "tilesRow8", "tilesRow9", "tilesRow10", "tilesRow11",
                           "tilesRow12", "tilesRow13"})
        plainFills(sheet, id, turn);
    rotatingTurret(cr, sheet.rect("rotTurret"));
    block(cr, sheet.rect("block"));
    dome(cr, sheet.rect("turretFixed"), 0);
    dome(cr, sheet.rect("turretSpiral"), 2);
    dome(cr, sheet.rect("turretFourWay"), 4);
    beam(cr, sheet.rect("beam"));
    crawler(cr, sheet.rect("crawler"));
    mapBullet(cr, sheet.rect("bulletTurret"), kBulletRed);
    mapBullet(cr, sheet.rect("bulletSpiral"), kBulletBlue);
    hatch(cr, sheet.rect("hatchFloor"), true);
    hatch(cr, sheet.rect("hatchCeiling"), false);
}

}  // namespace art

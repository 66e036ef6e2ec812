// effect_cg.pac: sparks, bursts, explosions, effect bullets, beams, the title and menu sheet, the
// hit-box marker and the confusion flash.
#include <cmath>

#include "Figures.h"
#include "Fx.h"
#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

double cellCentreX(const Rect& r, int c) { return r.cellX(c) + r.cellWidth() / 2.0; }
double centreY(const Rect& r) { return r.y0 + r.height() / 2.0; }

void sparkle(cairo_t* cr, double cx, double cy, double size, double t, Colour tone, int points) {
    const double s = size * std::sin((0.15 + t * 0.85) * M_PI);
    glow(cr, cx, cy, s * 1.2 + 1, tone, 0.9 * (1 - t * 0.5));
    starPath(cr, cx, cy, s + 1, s * 0.25 + 0.5, points, t * 0.8);
    setColour(cr, mix(tone, kWhite, 0.6), 1 - t * 0.6);
    cairo_fill(cr);
}

void smallSheet(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    const Rect& pickup = sheet.rect("pickup");
    for (int f = 0; f < pickup.cells; ++f) sparkle(cr, cellCentreX(pickup, f), centreY(pickup), 7, f / 6.0, kGold, 4);
    const Rect& hit = sheet.rect("hitSpark");
    for (int f = 0; f < hit.cells; ++f) sparkle(cr, cellCentreX(hit, f), centreY(hit), 6, f / 6.0, kAmber, 6);
    const Rect& marker = sheet.rect("pageMarker");
    for (int f = 0; f < marker.cells; ++f) {
        const double cx = cellCentreX(marker, f), cy = centreY(marker) + (f ? 1.5 : -0.5);
        cairo_move_to(cr, cx - 6, cy - 4);
        cairo_line_to(cr, cx + 6, cy - 4);
        cairo_line_to(cr, cx, cy + 5);
        cairo_close_path(cr);
        setColour(cr, f ? scaled(kGold, 0.7) : kGold);
        cairo_fill_preserve(cr);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // Cells 0 and 1 double as the shot-A tap shot: two bright amber pellets.
    const Rect& shotHit = sheet.rect("shotHit");
    for (int f = 0; f < shotHit.cells; ++f) {
        const double cx = cellCentreX(shotHit, f), cy = centreY(shotHit);
        if (f < 2) {
            glow(cr, cx, cy, 8, kAmber, 1.0, 0.3);
            ellipsePath(cr, cx, cy, 6 - f, 3.5);
            setColour(cr, kWhite);
            cairo_fill(cr);
        } else {
            sparkle(cr, cx, cy, 7, (f - 1) / 4.0, kAmber, 4);
        }
    }
    const Rect& shotHit2 = sheet.rect("shotHit2");
    for (int f = 0; f < shotHit2.cells; ++f)
        sparkle(cr, cellCentreX(shotHit2, f), centreY(shotHit2), 7, f / 4.0, kTeal, 4);
    const Rect& burst = sheet.rect("specialBurst");
    for (int f = 0; f < burst.cells; ++f) {
        const double cx = cellCentreX(burst, f), cy = centreY(burst), t = f / 7.0;
        cairo_arc(cr, cx, cy, 3 + 12 * t, 0, 2 * M_PI);
        setColour(cr, kGold, 1 - t * 0.7);
        cairo_set_line_width(cr, 3 - 2 * t);
        cairo_stroke(cr);
        sparkle(cr, cx, cy, 10 * (1 - t) + 2, 0.3, kWhite, 4);
    }
    static constexpr const char* kDigits[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    glyphRow(cr, sheet.rect("digitsSmall"), kDigits, kPaper, kInk, 15);
}

// Pointed shape with its nose on the left, for the star-shell rows.
void pointedShape(cairo_t* cr, double cx, double cy, double t, Colour body, bool star) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (star) {
        cairo_move_to(cr, -28, 0);
        cairo_line_to(cr, -4, -8);
        cairo_line_to(cr, 8, -20 + t * 4);
        cairo_line_to(cr, 6, 0);
        cairo_line_to(cr, 8, 20 - t * 4);
        cairo_line_to(cr, -4, 8);
    } else {
        cairo_move_to(cr, -26, 0);
        cairo_curve_to(cr, -14, -10, 6, -10, 14, -8);
        cairo_line_to(cr, 22, -14);
        cairo_line_to(cr, 18, 0);
        cairo_line_to(cr, 22, 14);
        cairo_line_to(cr, 14, 8);
        cairo_curve_to(cr, 6, 10, -14, 10, -26, 0);
    }
    cairo_close_path(cr);
    setColour(cr, body);
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    glow(cr, star ? -6 : -8, 0, 7, kWhite, 1.0, 0.5);
    cairo_restore(cr);
    if (!star) glow(cr, cx + 22, cy, 6 + 3 * std::sin(t * 2 * M_PI), kAmber, 0.9);
}

void largeSheet(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    const Rect& big = sheet.rect("bigBurst");
    glow(cr, big.x0 + 64, big.y0 + 64, 64, kViolet, 0.9);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        cairo_move_to(cr, big.x0 + 64, big.y0 + 64);
        cairo_line_to(cr, big.x0 + 64 + std::cos(a - 0.06) * 62, big.y0 + 64 + std::sin(a - 0.06) * 62);
        cairo_line_to(cr, big.x0 + 64 + std::cos(a + 0.06) * 62, big.y0 + 64 + std::sin(a + 0.06) * 62);
        cairo_close_path(cr);
        setColour(cr, i % 2 ? kGold : kAmber, 0.8);
        cairo_fill(cr);
    }
    glow(cr, big.x0 + 64, big.y0 + 64, 30, kWhite, 1.0, 0.3);
    const Rect& missile = sheet.rect("missile");
    for (int f = 0; f < missile.cells; ++f)
        pointedShape(cr, cellCentreX(missile, f), centreY(missile), f / 8.0, kVermilion, false);
    const Rect& star = sheet.rect("star");
    for (int f = 0; f < star.cells; ++f)
        pointedShape(cr, cellCentreX(star, f), centreY(star), f / 8.0, kGold, true);
    const Rect& orb = sheet.rect("orb");
    for (int f = 0; f < orb.cells; ++f) energyBall(cr, cellCentreX(orb, f), centreY(orb), 30, f / 8.0, kViolet);
    const Rect& mapBoom = sheet.rect("mapExplosion");
    for (int f = 0; f < mapBoom.cells; ++f)
        explosion(cr, cellCentreX(mapBoom, f), centreY(mapBoom), 30, f / 7.0, kAmber, 50 + f);
    const Rect& bossBoom = sheet.rect("bossExplosion");
    for (int f = 0; f < bossBoom.cells; ++f)
        explosion(cr, cellCentreX(bossBoom, f), centreY(bossBoom), 30, f / 7.0, kVermilion, 60 + f);
    const Rect& lob = sheet.rect("lobShell");
    for (int f = 0; f < lob.cells; ++f) {
        const double cx = cellCentreX(lob, f), cy = centreY(lob);
        glow(cr, cx, cy, 26, kBulletRed, 0.6 + 0.3 * std::sin(f * M_PI / 4));
        rimmedBall(cr, cx, cy, 14, kBulletRed);
        cairo_arc(cr, cx, cy, 18, f * M_PI / 4, f * M_PI / 4 + 1.5);
        setColour(cr, kWhite, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void additiveSheet(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    // Frame 0 is also character 0's special "pen", drawn 4x: a soft round glow.
    const Rect& small = sheet.rect("explosionSmall");
    for (int f = 0; f < small.cells; ++f) {
        if (f == 0) glow(cr, cellCentreX(small, 0), centreY(small), 30, kAmber, 1.0, 0.1);
        else explosion(cr, cellCentreX(small, f), centreY(small), 30, f / 7.0, kAmber, 10 + f);
    }
    const Rect& enemy = sheet.rect("explosionEnemy");
    for (int f = 0; f < enemy.cells; ++f)
        explosion(cr, cellCentreX(enemy, f), centreY(enemy), 30, f / 7.0, kVermilion, 20 + f);
    // A loop 7 -> 0 of a pulsing energy ball; stays clear of rows 186-195 the sparkle row borrows.
    const Rect& ball = sheet.rect("energyBall");
    for (int f = 0; f < ball.cells; ++f) energyBall(cr, cellCentreX(ball, f), 160, 25, f / 8.0, kTeal);
    const Rect& comet = sheet.rect("comet");
    for (int f = 0; f < comet.cells; ++f) {
        const double cx = cellCentreX(comet, f), cy = 224;
        glow(cr, cx, cy, 26, kGold, 0.7);
        sparkle(cr, cx, cy, 14, 0.3 + 0.05 * f, kWhite, 4);
        for (int i = 0; i < 3; ++i) glow(cr, cx + 8 + i * 6, cy - 6 - i * 4, 4 - i, kAmber, 0.8);
    }
    const Rect& flash = sheet.rect("flash");
    for (int f = 0; f < flash.cells; ++f) {
        const double t = f / 7.0;
        glow(cr, cellCentreX(flash, f), centreY(flash), 30 * (0.4 + 0.6 * std::sin(t * M_PI)) + 2, kWhite,
             1.0 - t * 0.5);
        glow(cr, cellCentreX(flash, f), centreY(flash), 14, kBulletRed, 1.0 - t * 0.7);
    }
    // Uniform along y: frames 0-4 a warning line that thickens, 5-7 the full beam.
    const Rect& beam = sheet.rect("verticalBeam");
    for (int f = 0; f < beam.cells; ++f) {
        const double cx = cellCentreX(beam, f);
        const double half = f < 5 ? 1 + f * 1.2 : 26 + (f - 5) * 2;
        cairo_pattern_t* across = cairo_pattern_create_linear(cx - half, 0, cx + half, 0);
        const Colour edge = f < 5 ? kBulletRed : Colour{1.0, 0.35, 0.65};
        cairo_pattern_add_color_stop_rgb(across, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgb(across, 0.3, edge.r, edge.g, edge.b);
        cairo_pattern_add_color_stop_rgb(across, 0.5, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(across, 0.7, edge.r, edge.g, edge.b);
        cairo_pattern_add_color_stop_rgb(across, 1, 0, 0, 0);
        cairo_rectangle(cr, cx - half, beam.y0, 2 * half, beam.height());
        cairo_set_source(cr, across);
        cairo_fill(cr);
        cairo_pattern_destroy(across);
    }
    const Rect& shot = sheet.rect("bigShot");
    for (int f = 0; f < shot.cells; ++f) {
        const double cx = cellCentreX(shot, f), cy = centreY(shot);
        for (int i = 0; i < 4; ++i) glow(cr, cx + 6 + i * 7, cy, 14 - i * 3, kBulletRed, 0.6);
        glow(cr, cx - 10, cy, 18 + f % 2 * 2, {1.0, 0.35, 0.60}, 1.0, 0.2);
        glow(cr, cx - 12, cy, 8, kWhite, 1.0, 0.5);
    }
}

void titleSheet(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    const Rect& title = sheet.rect("title");
    verticalGradient(cr, title.x0, title.y0, title.width(), title.height(), {0.03, 0.03, 0.14}, {0.35, 0.16, 0.42});
    Rng rng(77);
    for (int i = 0; i < 110; ++i) {
        cairo_arc(cr, rng.range(0, 512), rng.range(0, 220), rng.range(0.5, 1.5), 0, 2 * M_PI);
        setColour(cr, kPaper, rng.range(0.3, 0.9));
        cairo_fill(cr);
    }
    glow(cr, 400, 90, 130, kGold, 0.3);
    cairo_arc(cr, 400, 90, 46, 0, 2 * M_PI);
    setColour(cr, mix(kPaper, kGold, 0.3));
    cairo_fill(cr);
    // Rising lanterns, kept away from the captions' calm top-left corner.
    for (int i = 0; i < 22; ++i) {
        const double x = rng.range(200, 500), y = rng.range(140, 330), s = rng.range(0.5, 1.3);
        lantern(cr, x, y, 16 * s, 20 * s, rng.uniform() < 0.6 ? kVermilion : kAmber, 0.9);
    }
    cairo_move_to(cr, 0, 384);
    for (int i = 0; i <= 8; ++i) {
        cairo_line_to(cr, i * 64, 330 + (i % 2) * 14);
        cairo_curve_to(cr, i * 64 + 16, 310, i * 64 + 48, 310, i * 64 + 64, 330 + ((i + 1) % 2) * 14);
    }
    cairo_line_to(cr, 512, 384);
    cairo_close_path(cr);
    setColour(cr, {0.06, 0.04, 0.12});
    cairo_fill(cr);
    // The two pilots' craft crossing the sky, drawn large.
    for (int character = 0; character < 2; ++character) {
        cairo_save(cr);
        cairo_translate(cr, character == 0 ? 330 : 225, character == 0 ? 50 : 118);
        cairo_scale(cr, character == 0 ? 1.6 : 1.3, character == 0 ? 1.6 : 1.3);
        drawCraft(cr, 0, 0, character, CraftPose::Right, 1 + character);
        cairo_restore(cr);
    }
    caption(cr, "ランタンフォール", 220, 200, 280, 60, kGold, kLacquer, 40, true);
    caption(cr, "LANTERNFALL", 250, 262, 220, 24, kPaper, kInk, 18);

    struct Item {
        const char* id;
        const char* text;
        Colour fill;
        bool squat;
    };
    const Item items[] = {
        {"capStart", "ゲームスタート", kPaper, false},   {"capStory", "ストーリーモード", kPaper, false},
        {"capConfig", "ボタン設定", kPaper, false},       {"capGallery", "ギャラリー", kPaper, false},
        {"capQuit", "終了", kPaper, false},               {"capGameOver", "ゲームオーバー", kVermilion, true},
        {"cfgShotA", "ショットＡ", kPaper, false},        {"cfgShotB", "ショットＢ", kPaper, false},
        {"cfgSub", "サブウェポン", kPaper, false},        {"cfgSpecial", "スペシャル", kPaper, false},
        {"cfgFocus", "低速移動", kPaper, false},          {"cfgHitbox", "判定表示", kPaper, false},
        {"capBack", "戻る", kGold, false},
    };
    for (const Item& item : items) {
        const Rect& r = sheet.rect(item.id);
        if (item.squat) {
            // Stretched 2.25x tall and later half covered by the menu panel: squat letters low in the cell.
            caption(cr, item.text, r.x0 + 2, r.y1 - 16, r.width() - 4, 14, item.fill, kInk, 14);
        } else {
            // Title captions keep 3 clear rows top and bottom: their cells overlap when highlighted.
            caption(cr, item.text, r.x0 + 2, r.y0 + 4, r.width() - 4, r.height() - 8, item.fill, kInk, 22);
        }
    }
}

}  // namespace

void paintEffects(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    switch (sheet.entry.index) {
    case 0: smallSheet(sheet); break;
    case 1: largeSheet(sheet); break;
    case 2: additiveSheet(sheet); break;
    case 3: sheet.rect("blank3"); break;
    case 4: titleSheet(sheet); break;
    case 5: {
        const Rect& r = sheet.rect("hitMarker");
        cairo_arc(cr, r.x0 + 4, r.y0 + 4, 3.8, 0, 2 * M_PI);
        setColour(cr, kInk);
        cairo_fill(cr);
        cairo_arc(cr, r.x0 + 4, r.y0 + 4, 2.4, 0, 2 * M_PI);
        setColour(cr, kWhite);
        cairo_fill(cr);
        break;
    }
    case 6: sheet.rect("blank6"); break;
    default: {
        const Rect& r = sheet.rect("confusion");
        glow(cr, r.x0 + 32, r.y0 + 32, 46, {0.45, 0.20, 0.60}, 0.8, 0.3);
        glow(cr, r.x0 + 32, r.y0 + 32, 20, {0.30, 0.25, 0.55}, 0.6);
        break;
    }
    }
}

}  // namespace art

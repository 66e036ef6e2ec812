// The cut-in and gallery compositions.
#include "Scenes.h"

#include <cmath>

#include "Figures.h"

namespace art {

namespace {

using namespace palette;

void nightSky(cairo_t* cr, Colour top, Colour bottom, std::uint32_t seed) {
    verticalGradient(cr, 0, 0, 640, 480, top, bottom);
    Rng rng(seed);
    for (int i = 0; i < 160; ++i) {
        const double x = rng.range(0, 640), y = rng.range(0, 300), r = rng.range(0.5, 1.6);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        setColour(cr, kPaper, rng.range(0.3, 0.9));
        cairo_fill(cr);
    }
}

void lanternRow(cairo_t* cr, double y, int count, std::uint32_t seed, double scale) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, 640), dy = rng.range(-40, 40);
        lantern(cr, x, y + dy, 18 * scale, 24 * scale, rng.uniform() < 0.5 ? kVermilion : kAmber, 0.9);
    }
}

void roofline(cairo_t* cr, double base, Colour tone) {
    cairo_move_to(cr, 0, 480);
    for (int i = 0; i <= 8; ++i) {
        const double x = i * 80;
        cairo_line_to(cr, x, base + (i % 2) * 18);
        cairo_curve_to(cr, x + 20, base - 30, x + 60, base - 30, x + 80, base + ((i + 1) % 2) * 18);
    }
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    setColour(cr, tone);
    cairo_fill(cr);
}

void speedLines(cairo_t* cr, Colour tone, std::uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 70; ++i) {
        const double y = rng.range(0, 480), length = rng.range(120, 420), x = rng.range(-100, 640);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + length, y - length * 0.35);
        setColour(cr, tone, rng.range(0.3, 0.8));
        cairo_set_line_width(cr, rng.range(1.5, 6));
        cairo_stroke(cr);
    }
}

}  // namespace

void drawCutinScene(cairo_t* cr, int character) {
    const Colour accent = character == 0 ? kVermilion : kTeal;
    const Colour light = character == 0 ? kGold : kSilver;
    // A diagonal band carries the pilot; outside it the stage shows through.
    cairo_move_to(cr, 0, 120);
    cairo_line_to(cr, 640, 20);
    cairo_line_to(cr, 640, 380);
    cairo_line_to(cr, 0, 470);
    cairo_close_path(cr);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 640, 0);
    cairo_pattern_add_color_stop_rgba(band, 0, accent.r * 0.3, accent.g * 0.3, accent.b * 0.3, 0.9);
    cairo_pattern_add_color_stop_rgba(band, 1, kNight.r, kNight.g, kNight.b, 0.95);
    cairo_set_source(cr, band);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(band);
    cairo_save(cr);
    cairo_clip(cr);
    speedLines(cr, light, 40 + character);
    glow(cr, 300, 250, 260, accent, 0.6);
    drawBust(cr, 150, 30, 430, character == 0 ? cast::kPilot0 : cast::kPilot1, Expression::Determined);
    cairo_restore(cr);
    for (int edge = 0; edge < 2; ++edge) {
        cairo_move_to(cr, 0, edge ? 470 : 120);
        cairo_line_to(cr, 640, edge ? 380 : 20);
        setColour(cr, light);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    // The strip's vertical word, on the right edge of the composition.
    const char* word[2] = {character == 0 ? "火" : "灯", character == 0 ? "花" : "守"};
    for (int i = 0; i < 2; ++i)
        caption(cr, word[i], 528, 80 + i * 130, 100, 120, kPaper, accent, 96, true);
}

void drawGalleryScene(cairo_t* cr, int picture) {
    struct Subject {
        const Look* look;
        Expression expression;
        Colour top, bottom;
    };
    const Subject subjects[8] = {
        {&cast::kPilot0, Expression::Hurt, kIndigo, kViolet},      {&cast::kPilot1, Expression::Sad, kIndigo, kTeal},
        {&cast::kPilot0, Expression::Smile, kViolet, kAmber},      {&cast::kPilot1, Expression::Smile, kViolet, kAmber},
        {&cast::kBoss7, Expression::Smile, kNight, kViolet},       {&cast::kBoss9, Expression::Determined, kNight, kIndigo},
        {&cast::kBoss10, Expression::Neutral, kNight, kSilver},    {&cast::kBoss1, Expression::Angry, kNight, kLacquer},
    };
    const Subject& s = subjects[picture & 7];
    nightSky(cr, s.top, scaled(s.bottom, 0.8), 100 + picture);
    cairo_arc(cr, 520, 110, 60, 0, 2 * M_PI);
    setColour(cr, mix(kPaper, kGold, 0.3));
    cairo_fill(cr);
    glow(cr, 520, 110, 140, kGold, 0.35);
    lanternRow(cr, 200, 10, 200 + picture, 1.0);
    roofline(cr, 400, mix(kNight, s.bottom, 0.2));
    glow(cr, 250, 300, 240, s.bottom, 0.45);
    drawBust(cr, 60, 70, 420, *s.look, s.expression);
    if (picture == 2 || picture == 3) {
        // The victory pictures share the sky with the other pilot's craft.
        drawCraft(cr, 470, 240, picture == 2 ? 1 : 0, CraftPose::Right, 1);
        lanternRow(cr, 60, 6, 300 + picture, 0.7);
    }
    roundedRect(cr, 8, 8, 624, 464, 14);
    setColour(cr, kGold, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void copySceneColumns(cairo_t* cr, void (*scene)(cairo_t*, int), int which, int sourceX, int width, int destX) {
    cairo_surface_t* full = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 640, 480);
    cairo_t* sceneCr = cairo_create(full);
    scene(sceneCr, which);
    cairo_destroy(sceneCr);
    cairo_save(cr);
    cairo_rectangle(cr, destX, 0, width, 480);
    cairo_clip(cr);
    cairo_set_source_surface(cr, full, destX - sourceX, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(full);
}

}  // namespace art

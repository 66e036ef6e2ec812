// p_pow.pac: the HUD pieces, score items, contact sparks, results labels and the dark overlay.
#include <cmath>

#include "Figures.h"
#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

// A charge bar: the letter in texels 0-35, then a fill whose marks sit at 30 % (63) and 60 % (90).
void chargeBar(cairo_t* cr, const Rect& r, const char* letter, Colour tone, bool highlight) {
    const Colour base = highlight ? mix(tone, kWhite, 0.6) : tone;
    caption(cr, letter, r.x0, r.y0, 36, r.height(), highlight ? kWhite : kPaper, kInk, 14);
    cairo_pattern_t* fill = cairo_pattern_create_linear(r.x0 + 36, 0, r.x1, 0);
    cairo_pattern_add_color_stop_rgb(fill, 0, base.r * 0.5, base.g * 0.5, base.b * 0.5);
    cairo_pattern_add_color_stop_rgb(fill, 1, base.r, base.g, base.b);
    cairo_rectangle(cr, r.x0 + 36, r.y0 + 3, r.width() - 36, r.height() - 6);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    fillRect(cr, r.x0 + 36, r.y0 + 4, r.width() - 36, 2, kWhite, highlight ? 0.8 : 0.4);
    for (int mark : {63, 90})
        fillRect(cr, r.x0 + mark, r.y0 + 2, 1, r.height() - 4, kWhite, 0.9);
}

void label(cairo_t* cr, const Rect& r, const char* text, Colour fill, double size) {
    caption(cr, text, r.x0 + 1, r.y0 + 1, r.width() - 2, r.height() - 2, fill, kInk, size);
}

// The tall digits as pixel shapes, 6 texels wide and 14 tall ('#' = stroke). They are drawn at 8x16 and
// stretched to 8x32 with point filtering, so every stroke is two texels thick and lies on the texel grid;
// 0, 5, 6, 8 and 9 differ in whole strokes, not in curves a scaled font would blur away.
constexpr int kDigitWidth = 6;
constexpr int kDigitHeight = 14;
constexpr const char* kDigitShapes[10][kDigitHeight] = {
    {".####.", "######", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##",
     "##..##", "##..##", "######", ".####."},
    {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..",
     "..##..", "..##..", "######", "######"},
    {".####.", "######", "##..##", "....##", "....##", "....##", ".#####", "#####.", "##....", "##....",
     "##....", "##....", "######", "######"},
    {".####.", "######", "##..##", "....##", "....##", "....##", "..####", "..####", "....##", "....##",
     "....##", "##..##", "######", ".####."},
    {"##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "######", "######", "....##", "....##",
     "....##", "....##", "....##", "....##"},
    {"######", "######", "##....", "##....", "##....", "##....", "#####.", "######", "....##", "....##",
     "....##", "##..##", "######", ".####."},
    {".####.", "######", "##....", "##....", "##....", "##....", "#####.", "######", "##..##", "##..##",
     "##..##", "##..##", "######", ".####."},
    {"######", "######", "....##", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..",
     "..##..", "..##..", "..##..", "..##.."},
    {".####.", "######", "##..##", "##..##", "##..##", "##..##", "######", "######", "##..##", "##..##",
     "##..##", "##..##", "######", ".####."},
    {".####.", "######", "##..##", "##..##", "##..##", "##..##", "######", ".#####", "....##", "....##",
     "....##", "##..##", "######", ".####."},
};

bool digitStroke(int digit, int x, int y) {
    return x >= 0 && x < kDigitWidth && y >= 0 && y < kDigitHeight && kDigitShapes[digit][y][x] == '#';
}

// Each digit fills its cell: light strokes, paper at the top warming to gold at the bottom, inside a
// one-texel ink outline that keeps them readable over bright stage art.
void tallDigits(cairo_t* cr, const Rect& strip) {
    const int left = (strip.cellWidth() - kDigitWidth) / 2, top = (strip.height() - kDigitHeight) / 2;
    for (int digit = 0; digit < strip.cells; ++digit) {
        for (int y = 0; y < strip.height(); ++y) {
            const Colour stroke = mix(kWhite, kGold, static_cast<double>(y) / (strip.height() - 1));
            for (int x = 0; x < strip.cellWidth(); ++x) {
                const int sx = x - left, sy = y - top;
                bool edge = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) edge = edge || digitStroke(digit, sx + dx, sy + dy);
                if (digitStroke(digit, sx, sy))
                    fillRect(cr, strip.cellX(digit) + x, strip.y0 + y, 1, 1, stroke);
                else if (edge)
                    fillRect(cr, strip.cellX(digit) + x, strip.y0 + y, 1, 1, kInk);
            }
        }
    }
}

void spark(cairo_t* cr, const Rect& r, int frame, Colour tone, int points) {
    const double cx = r.cellX(frame) + r.cellWidth() / 2.0, cy = r.y0 + r.height() / 2.0;
    const double t = frame / 7.0;
    const double size = 2 + 6 * std::sin(t * M_PI * 0.9 + 0.3);
    glow(cr, cx, cy, size + 2, tone, 1.0 - t * 0.6);
    starPath(cr, cx, cy, size + 1, 1, points, frame * 0.3);
    setColour(cr, mix(tone, kWhite, 0.7), 1.0 - t * 0.5);
    cairo_fill(cr);
}

}  // namespace

void paintPower(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    const Rect& frame = sheet.rect("chargeFrame");
    roundedRect(cr, frame.x0, frame.y0, frame.width(), frame.height(), 4);
    setColour(cr, kNight, 0.85);
    cairo_fill_preserve(cr);
    setColour(cr, kGold, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, frame.x0 + 2, frame.y0 + 16);
    cairo_line_to(cr, frame.x1 - 2, frame.y0 + 16);
    setColour(cr, kGold, 0.4);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    chargeBar(cr, sheet.rect("barA"), "Ａ", kAmber, false);
    chargeBar(cr, sheet.rect("barB"), "Ｂ", kTeal, false);
    chargeBar(cr, sheet.rect("barAHi"), "Ａ", kAmber, true);
    chargeBar(cr, sheet.rect("barBHi"), "Ｂ", kTeal, true);
    label(cr, sheet.rect("labelAMax"), "Ａ満タン", kAmber, 15);
    label(cr, sheet.rect("labelBMax"), "Ｂ満タン", kTeal, 15);
    label(cr, sheet.rect("labelMax"), "ＭＡＸ！", kWhite, 16);
    label(cr, sheet.rect("labelDouble"), "ダブルチャージ", kGold, 18);
    label(cr, sheet.rect("labelRelease"), "はなせ！", kWhite, 20);

    // Life bars stay uniform along x: the lost part is squeezed into any width.
    const Rect& full = sheet.rect("lifeFull");
    verticalGradient(cr, full.x0, full.y0, full.width(), full.height(), {1.0, 0.62, 0.30}, {0.75, 0.12, 0.08});
    fillRect(cr, full.x0, full.y0 + 1, full.width(), 1, kPaper, 0.7);
    const Rect& lost = sheet.rect("lifeLost");
    verticalGradient(cr, lost.x0, lost.y0, lost.width(), lost.height(), {0.22, 0.14, 0.30}, {0.10, 0.06, 0.14});

    const Rect& item = sheet.rect("item");
    for (int f = 0; f < item.cells; ++f) {
        const double cx = item.cellX(f) + 8, cy = item.y0 + 8;
        const double squash = std::fabs(std::cos(f * M_PI / 4));
        ellipsePath(cr, cx, cy, 6 * squash + 1, 6);
        setColour(cr, kInk);
        cairo_fill(cr);
        ellipsePath(cr, cx, cy, 5 * squash + 0.6, 5);
        setColour(cr, f == 2 ? kPaper : kGold);
        cairo_fill(cr);
        if (squash > 0.5) {
            fillRect(cr, cx - 1.5 * squash, cy - 1.5, 3 * squash, 3, kLacquer);
        }
    }
    const Rect& fps = sheet.rect("fpsGlow");
    glow(cr, fps.x0 + 24, fps.y0 + 24, 24, kViolet, 0.9);
    glow(cr, fps.x0 + 24, fps.y0 + 24, 12, kAmber, 0.5);

    for (const char* id : {"gaugeFill0", "gaugeFill1"}) {
        const Rect& g = sheet.rect(id);
        const bool second = id[9] == '1';
        cairo_pattern_t* fill = cairo_pattern_create_linear(g.x0, 0, g.x1, 0);
        const Colour a = second ? kWhite : kVermilion, b = second ? kGold : kAmber;
        cairo_pattern_add_color_stop_rgb(fill, 0, a.r, a.g, a.b);
        cairo_pattern_add_color_stop_rgb(fill, 1, b.r, b.g, b.b);
        cairo_rectangle(cr, g.x0, g.y0, g.width(), g.height());
        cairo_set_source(cr, fill);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
    }
    const Rect& gaugeBack = sheet.rect("gaugeBack");
    fillRect(cr, gaugeBack.x0, gaugeBack.y0, gaugeBack.width(), gaugeBack.height(), {0.16, 0.10, 0.26});
    fillRect(cr, gaugeBack.x0, gaugeBack.y0, gaugeBack.width(), 1, kGold, 0.8);

    const Rect& icons = sheet.rect("icons");
    for (int c = 0; c < 2; ++c) {
        const double x = icons.cellX(c), y = icons.y0;
        roundedRect(cr, x + 1, y + 1, 30, 30, 6);
        setColour(cr, c == 0 ? kLacquer : Colour{0.06, 0.28, 0.32});
        cairo_fill_preserve(cr);
        setColour(cr, c == 0 ? kGold : kSilver);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        // Each pilot's craft at half size.
        cairo_save(cr);
        cairo_rectangle(cr, x + 2, y + 2, 28, 28);
        cairo_clip(cr);
        cairo_translate(cr, x - 2, y);
        cairo_scale(cr, 0.5, 0.5);
        drawCraft(cr, 0, 0, c, CraftPose::Neutral, 0);
        cairo_restore(cr);
    }
    tallDigits(cr, sheet.rect("digitsTall"));
    label(cr, sheet.rect("resItem"), "アイテム", kGold, 14);
    label(cr, sheet.rect("resLife"), "残り体力", kGold, 14);
    label(cr, sheet.rect("resTotal"), "トータル", kGold, 14);
    label(cr, sheet.rect("signTimes"), "×", kPaper, 14);
    label(cr, sheet.rect("signEquals"), "＝", kPaper, 14);

    // The overlay is stretched over the whole screen: paint its neighbours the same so filtering
    // at the screen edges picks up no other colour.
    const Rect& overlay = sheet.rect("overlay");
    fillRect(cr, overlay.x0, overlay.y0 - 1, overlay.width() + 1, overlay.height() + 2,
             {16 / 255.0, 16 / 255.0, 40 / 255.0});

    const Rect& sparks = sheet.rect("spark");
    for (int f = 0; f < sparks.cells; ++f) spark(cr, sparks, f, kAmber, 4);
    const Rect& bursts = sheet.rect("shotBurst");
    for (int f = 0; f < bursts.cells; ++f) spark(cr, bursts, f, kVermilion, 6);

    const Rect& clear = sheet.rect("stageClear");
    label(cr, clear, "ステージクリア", kGold, 26);
}

}  // namespace art

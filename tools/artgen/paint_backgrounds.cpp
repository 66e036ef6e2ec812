// backcg.pac: the five stage backgrounds. They scroll left and wrap, so every shape that crosses the
// left or right edge is painted again one width over, and skylines use whole periods across 512 texels.
#include <cmath>

#include "Paint.h"
#include "Sheet.h"

namespace art {

namespace {

using namespace palette;

constexpr double kW = 512;

// A skyline whose height repeats exactly every 512 texels.
void skyline(cairo_t* cr, double base, double amplitude, int period, double phase, Colour tone, bool stepped) {
    cairo_move_to(cr, 0, 512);
    for (int x = 0; x <= 512; x += stepped ? 4 : 2) {
        double h = std::sin(x * 2 * M_PI * period / kW + phase) * 0.6 +
                   std::sin(x * 2 * M_PI * (period * 2 + 1) / kW + phase * 2) * 0.4;
        if (stepped) h = std::round(h * 3) / 3;
        cairo_line_to(cr, x, base - h * amplitude);
    }
    cairo_line_to(cr, 512, 512);
    cairo_close_path(cr);
    setColour(cr, tone);
    cairo_fill(cr);
}

void wrappedGlow(cairo_t* cr, double x, double y, double r, Colour c, double alpha) {
    for (int k = -1; k <= 1; ++k) glow(cr, x + k * kW, y, r, c, alpha);
}

void wrappedCloud(cairo_t* cr, double x, double y, double w, double h, Colour c, double alpha) {
    for (int k = -1; k <= 1; ++k) {
        for (int lobe = 0; lobe < 4; ++lobe) {
            ellipsePath(cr, x + k * kW + (lobe - 1.5) * w * 0.3, y - (lobe % 2) * h * 0.3, w * 0.3, h * 0.5);
            setColour(cr, c, alpha);
            cairo_fill(cr);
        }
    }
}

void stars(cairo_t* cr, std::uint32_t seed, int count, double maxY) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(2, kW - 2), y = rng.range(2, maxY), r = rng.range(0.7, 1.8);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        setColour(cr, kPaper, rng.range(0.4, 1.0));
        cairo_fill(cr);
    }
}

void wrappedLanterns(cairo_t* cr, std::uint32_t seed, int count, double y0, double y1) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, kW), y = rng.range(y0, y1), s = rng.range(0.6, 1.2);
        for (int k = -1; k <= 1; ++k)
            lantern(cr, x + k * kW, y, 14 * s, 18 * s, rng.uniform() < 0.6 ? kVermilion : kAmber, 0.8);
    }
}

void lanternTown(cairo_t* cr) {
    verticalGradient(cr, 0, 0, kW, 512, {0.03, 0.03, 0.14}, {0.22, 0.12, 0.38});
    stars(cr, 1, 120, 260);
    wrappedGlow(cr, 380, 110, 70, mix(kPaper, kGold, 0.4), 0.9);
    wrappedGlow(cr, 380, 110, 160, kGold, 0.2);
    skyline(cr, 360, 40, 3, 0.5, {0.12, 0.08, 0.24}, true);
    wrappedLanterns(cr, 2, 14, 300, 400);
    skyline(cr, 440, 30, 5, 1.2, {0.06, 0.04, 0.12}, true);
    Rng rng(3);
    for (int i = 0; i < 30; ++i) {
        const double x = rng.range(0, kW), y = rng.range(430, 500);
        for (int k = -1; k <= 1; ++k) fillRect(cr, x + k * kW, y, 6, 8, kAmber, 0.7);
    }
}

void castle(cairo_t* cr) {
    verticalGradient(cr, 0, 0, kW, 512, {0.10, 0.06, 0.25}, {0.50, 0.25, 0.45});
    stars(cr, 4, 60, 180);
    wrappedCloud(cr, 100, 150, 220, 40, kDusk, 0.35);
    wrappedCloud(cr, 360, 220, 260, 50, kViolet, 0.4);
    // Castle keeps: stacked roofs repeating four times across the width.
    for (int i = 0; i < 4; ++i) {
        const double cx = 64 + i * 128;
        for (int tier = 0; tier < 3; ++tier) {
            const double w = 90 - tier * 22, y = 380 - tier * 40;
            fillRect(cr, cx - w / 2 + 8, y, w - 16, 40, {0.14, 0.09, 0.22});
            cairo_move_to(cr, cx - w / 2 - 6, y + 4);
            cairo_curve_to(cr, cx - w / 4, y - 10, cx + w / 4, y - 10, cx + w / 2 + 6, y + 4);
            cairo_line_to(cr, cx, y - 22);
            cairo_close_path(cr);
            setColour(cr, {0.20, 0.12, 0.30});
            cairo_fill(cr);
            fillRect(cr, cx - 6, y + 14, 12, 10, kAmber, 0.8);
        }
    }
    skyline(cr, 450, 16, 4, 0.0, {0.08, 0.05, 0.14}, true);
}

void caverns(cairo_t* cr) {
    verticalGradient(cr, 0, 0, kW, 512, {0.05, 0.04, 0.08}, {0.10, 0.06, 0.14});
    Rng rng(5);
    for (int i = 0; i < 18; ++i)
        wrappedGlow(cr, rng.range(0, kW), rng.range(80, 440), rng.range(20, 60), kAmber, rng.range(0.15, 0.35));
    // Ceiling and floor of rock with stalactites, all periodic.
    cairo_move_to(cr, 0, 0);
    for (int x = 0; x <= 512; x += 2) {
        const double teeth = std::pow(std::fabs(std::sin(x * 2 * M_PI * 8 / kW)), 6) * 60;
        cairo_line_to(cr, x, 60 + 20 * std::sin(x * 2 * M_PI * 2 / kW) + teeth);
    }
    cairo_line_to(cr, 512, 0);
    cairo_close_path(cr);
    setColour(cr, {0.13, 0.10, 0.17});
    cairo_fill(cr);
    skyline(cr, 460, 24, 3, 0.7, {0.13, 0.10, 0.17}, false);
    Rng crystals(6);
    for (int i = 0; i < 12; ++i) {
        const double x = crystals.range(0, kW), y = crystals.range(440, 500);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, x + k * kW - 6, y);
            cairo_line_to(cr, x + k * kW, y - crystals.range(14, 30));
            cairo_line_to(cr, x + k * kW + 6, y);
            cairo_close_path(cr);
            setColour(cr, kAmber, 0.85);
            cairo_fill(cr);
        }
    }
}

void ironWorks(cairo_t* cr) {
    verticalGradient(cr, 0, 0, kW, 512, {0.10, 0.05, 0.10}, {0.42, 0.16, 0.10});
    wrappedCloud(cr, 120, 120, 260, 60, {0.25, 0.14, 0.18}, 0.6);
    wrappedCloud(cr, 380, 180, 240, 50, {0.30, 0.16, 0.16}, 0.5);
    for (int i = 0; i < 8; ++i) {
        const double x = 32 + i * 64, h = 120 + (i * 37 % 5) * 30;
        fillRect(cr, x - 10, 440 - h, 20, h, {0.12, 0.07, 0.10});
        wrappedGlow(cr, x, 440 - h - 6, 18, kVermilion, 0.5);
    }
    skyline(cr, 440, 10, 8, 0.0, {0.08, 0.05, 0.08}, true);
    for (int i = 0; i < 4; ++i) wrappedGlow(cr, 64 + i * 128, 470, 50, kAmber, 0.45);
    fillRect(cr, 0, 400, kW, 6, {0.20, 0.12, 0.12});
}

void skyShrine(cairo_t* cr) {
    verticalGradient(cr, 0, 0, kW, 512, {0.08, 0.08, 0.30}, {0.75, 0.45, 0.45});
    stars(cr, 7, 80, 200);
    wrappedGlow(cr, 256, 330, 220, kGold, 0.35);
    // Torii gates on floating rocks, two per width.
    for (int i = 0; i < 2; ++i) {
        const double cx = 128 + i * 256, base = 340 - i * 30;
        // Kept dim so the distant gates never read as the solid lacquer tiles in front.
        const Colour gate = {0.36, 0.10, 0.18};
        fillRect(cr, cx - 40, base - 90, 8, 90, gate);
        fillRect(cr, cx + 32, base - 90, 8, 90, gate);
        fillRect(cr, cx - 56, base - 100, 112, 10, gate);
        fillRect(cr, cx - 46, base - 78, 92, 7, gate);
        ellipsePath(cr, cx, base + 6, 80, 18);
        setColour(cr, {0.25, 0.18, 0.32});
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; ++i)
        wrappedCloud(cr, i * 102.4 + 30, 420 + (i % 2) * 30, 220, 60, mix(kPaper, kDusk, 0.4), 0.3);
    wrappedCloud(cr, 200, 490, 400, 60, mix(kPaper, kDusk, 0.5), 0.4);
}

}  // namespace

void paintBackgrounds(const Sheet& sheet) {
    cairo_t* cr = sheet.cr;
    sheet.rect(("sky" + std::to_string(sheet.entry.index)).c_str());
    switch (sheet.entry.index) {
    case 0: lanternTown(cr); break;
    case 1: castle(cr); break;
    case 2: caverns(cr); break;
    case 3: ironWorks(cr); break;
    default: skyShrine(cr); break;
    }
}

}  // namespace art

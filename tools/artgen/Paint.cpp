// Drawing helpers shared by every picture.
#include "Paint.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace art {

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, double f) {
    auto clamp = [](double v) { return v < 0 ? 0.0 : v > 1 ? 1.0 : v; };
    return {clamp(c.r * f), clamp(c.g * f), clamp(c.b * f)};
}

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() { return (next() >> 8) / 16777216.0; }

double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

void setColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void fillRect(cairo_t* cr, double x, double y, double w, double h, Colour c, double alpha) {
    cairo_rectangle(cr, x, y, w, h);
    setColour(cr, c, alpha);
    cairo_fill(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void verticalGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void glow(cairo_t* cr, double cx, double cy, double radius, Colour core, double alpha, double hardness) {
    if (radius <= 0) return;
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(pattern, 0, core.r, core.g, core.b, alpha);
    cairo_pattern_add_color_stop_rgba(pattern, hardness * 0.9, core.r, core.g, core.b, alpha);
    cairo_pattern_add_color_stop_rgba(pattern, hardness * 0.9 + (1 - hardness * 0.9) * 0.4, core.r, core.g,
                                      core.b, alpha * 0.35);
    cairo_pattern_add_color_stop_rgba(pattern, 1, core.r, core.g, core.b, 0);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void rimmedBall(cairo_t* cr, double cx, double cy, double radius, Colour body) {
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    setColour(cr, scaled(body, 0.25));
    cairo_fill(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius * 0.82);
    cairo_pattern_add_color_stop_rgb(pattern, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(pattern, 0.45, mix(body, palette::kWhite, 0.5).r,
                                     mix(body, palette::kWhite, 0.5).g, mix(body, palette::kWhite, 0.5).b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, body.r, body.g, body.b);
    cairo_arc(cr, cx, cy, radius * 0.82, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
    for (int i = 0; i < points * 2; ++i) {
        const double angle = turn + M_PI * i / points - M_PI / 2;
        const double r = (i % 2 == 0) ? outer : inner;
        const double x = cx + r * std::cos(angle), y = cy + r * std::sin(angle);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void lantern(cairo_t* cr, double cx, double cy, double w, double h, Colour paper, double light,
             double glowReach) {
    glow(cr, cx, cy, w * glowReach, palette::kAmber, 0.45 * light);
    ellipsePath(cr, cx, cy, w / 2, h / 2);
    cairo_pattern_t* body = cairo_pattern_create_radial(cx - w * 0.1, cy - h * 0.1, 0, cx, cy, w * 0.6);
    const Colour hot = mix(paper, palette::kPaper, 0.6 * light);
    cairo_pattern_add_color_stop_rgb(body, 0, hot.r, hot.g, hot.b);
    cairo_pattern_add_color_stop_rgb(body, 1, paper.r * 0.7, paper.g * 0.6, paper.b * 0.6);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    setColour(cr, scaled(paper, 0.45), 0.8);
    cairo_set_line_width(cr, std::fmax(0.6, w * 0.04));
    for (int i = 1; i < 4; ++i) {
        const double y = cy - h / 2 + h * i / 4;
        const double half = w / 2 * std::sqrt(1 - std::pow((y - cy) / (h / 2), 2));
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
    }
    cairo_stroke(cr);
    fillRect(cr, cx - w * 0.28, cy - h / 2 - h * 0.08, w * 0.56, h * 0.12, palette::kInk);
    fillRect(cr, cx - w * 0.28, cy + h / 2 - h * 0.04, w * 0.56, h * 0.12, palette::kInk);
}

namespace {

// The scale that fits ink of inkW x inkH, plus its outline, inside a w x h box. The outline is a ninth
// of the font size, at least one texel once scaled; it reaches that far past the ink on every side and
// antialiasing one texel more. `lineOut` receives the outline width in texels.
double fitScale(double inkW, double inkH, double w, double h, double sizePx, double& lineOut) {
    const double outline = sizePx / 9;
    double scale = 1.0;
    if (inkW > 0) scale = std::fmin(scale, (w - 2) / (inkW + 2 * outline));
    if (inkH > 0) scale = std::fmin(scale, (h - 2) / (inkH + 2 * outline));
    lineOut = std::fmax(1.0, outline * scale);
    if (inkW > 0) scale = std::fmin(scale, (w - 2 - 2 * lineOut) / inkW);
    if (inkH > 0) scale = std::fmin(scale, (h - 2 - 2 * lineOut) / inkH);
    return std::fmax(scale, 0.05);
}

// Outlines the layout's glyphs in a round-joined stroke, then fills them.
void outlinedLayout(cairo_t* cr, PangoLayout* layout, Colour fill, Colour outline, double lineWidth) {
    pango_cairo_layout_path(cr, layout);
    setColour(cr, outline);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}

}  // namespace

void caption(cairo_t* cr, const char* text, double x, double y, double w, double h, Colour fill,
             Colour outline, double sizePx, bool mincho) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(mincho ? "IPAMincho" : "IPAGothic");
    pango_font_description_set_absolute_size(font, sizePx * PANGO_SCALE);
    pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double lineOut = 0;
    const double scale = fitScale(ink.width, ink.height, w, h, sizePx, lineOut);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -(ink.x + ink.width / 2.0), -(ink.y + ink.height / 2.0));
    outlinedLayout(cr, layout, fill, outline, lineOut * 2 / scale);
    cairo_restore(cr);
    pango_font_description_free(font);
    g_object_unref(layout);
}

void glyphRow(cairo_t* cr, const Rect& strip, const char* const* glyphs, Colour fill, Colour outline,
              double sizePx) {
    PangoFontDescription* font = pango_font_description_from_string("IPAGothic");
    pango_font_description_set_absolute_size(font, sizePx * PANGO_SCALE);
    pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    // The union of every glyph's ink decides one scale and one vertical placement for all.
    int top = 1 << 20, bottom = -(1 << 20), widest = 0;
    for (int i = 0; i < strip.cells; ++i) {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        pango_layout_set_font_description(layout, font);
        pango_layout_set_text(layout, glyphs[i], -1);
        PangoRectangle ink, logical;
        pango_layout_get_pixel_extents(layout, &ink, &logical);
        if (ink.width > 0 && ink.height > 0) {
            top = std::min(top, ink.y);
            bottom = std::max(bottom, ink.y + ink.height);
            widest = std::max(widest, ink.width);
        }
        g_object_unref(layout);
    }
    if (bottom <= top) {
        pango_font_description_free(font);
        return;
    }
    double lineOut = 0;
    const double scale = fitScale(widest, bottom - top, strip.cellWidth(), strip.height(), sizePx, lineOut);
    for (int i = 0; i < strip.cells; ++i) {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        pango_layout_set_font_description(layout, font);
        pango_layout_set_text(layout, glyphs[i], -1);
        PangoRectangle ink, logical;
        pango_layout_get_pixel_extents(layout, &ink, &logical);
        cairo_save(cr);
        cairo_translate(cr, strip.cellX(i) + strip.cellWidth() / 2.0, strip.y0 + strip.height() / 2.0);
        cairo_scale(cr, scale, scale);
        cairo_translate(cr, -(ink.x + ink.width / 2.0), -(top + bottom) / 2.0);
        outlinedLayout(cr, layout, fill, outline, lineOut * 2 / scale);
        cairo_restore(cr);
        g_object_unref(layout);
    }
    pango_font_description_free(font);
}

void clipTo(cairo_t* cr, const Rect& rect) {
    cairo_save(cr);
    cairo_rectangle(cr, rect.x0, rect.y0, rect.width(), rect.height());
    cairo_clip(cr);
}

void clipToCell(cairo_t* cr, const Rect& rect, int cell) {
    cairo_save(cr);
    cairo_rectangle(cr, rect.cellX(cell), rect.y0, rect.cellWidth(), rect.height());
    cairo_clip(cr);
}

}  // namespace art

// The conversation font: FreeType glyphs, emboldened and rendered one bit per
// pixel, cached, and written straight into the device's render target.
#include "platform/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <unordered_map>
#include <vector>

#include "platform/Backend.h"
#include "platform/Device.h"
#include "platform/text/Cp932.h"
#include "platform/text/FontFile.h"

namespace platform {

namespace {

constexpr int kPixelHeight = 16;

struct Glyph {
    int left = 0;     // from the pen to the bitmap's first column
    int top = 0;      // from the baseline up to the bitmap's first row
    int advance = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> ink;  // width * height, 1 where the glyph is solid
};

class FreeTypeFont : public Font {
public:
    ~FreeTypeFont() override
    {
        if (face_) FT_Done_Face(face_);
        if (library_) FT_Done_FreeType(library_);
    }

    bool open(const text::FontFile& file, std::string* error);
    void drawCell(Device& device, const char cell[2], int x, int y, uint32_t argb) override;

private:
    const Glyph& glyph(char32_t c);
    int drawGlyph(uint32_t* pixels, int width, int height, char32_t c, int x, int y,
                  uint32_t argb);

    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    int ascender_ = 0;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

bool FreeTypeFont::open(const text::FontFile& file, std::string* error)
{
    const auto fail = [&](const std::string& problem) {
        if (error) *error = file.path + ": " + problem;
        return false;
    };
    if (FT_Init_FreeType(&library_) != 0) return fail("FreeType cannot start");
    if (FT_New_Face(library_, file.path.c_str(), file.index, &face_) != 0) return fail("cannot open the font");
    if (FT_Select_Charmap(face_, FT_ENCODING_UNICODE) != 0) return fail("the font has no Unicode map");
    if (FT_Set_Pixel_Sizes(face_, 0, kPixelHeight) != 0) return fail("the font has no 16-pixel size");
    ascender_ = static_cast<int>((face_->size->metrics.ascender + 63) >> 6);
    return true;
}

const Glyph& FreeTypeFont::glyph(char32_t c)
{
    if (auto found = glyphs_.find(c); found != glyphs_.end()) return found->second;
    Glyph& g = glyphs_[c];
    // Outlines only, so that every glyph is emboldened the same way.
    if (FT_Load_Char(face_, c, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) return g;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    const FT_Bitmap& bitmap = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>(slot->advance.x >> 6);
    g.width = static_cast<int>(bitmap.width);
    g.height = static_cast<int>(bitmap.rows);
    g.ink.resize(static_cast<size_t>(g.width) * g.height);
    for (int row = 0; row < g.height; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        for (int col = 0; col < g.width; ++col)
            g.ink[static_cast<size_t>(row) * g.width + col] = (bits[col >> 3] >> (7 - (col & 7))) & 1;
    }
    return g;
}

int FreeTypeFont::drawGlyph(uint32_t* pixels, int width, int height, char32_t c, int x, int y,
                            uint32_t argb)
{
    const Glyph& g = glyph(c);
    const int left = x + g.left;
    const int top = y + ascender_ - g.top;
    for (int row = 0; row < g.height; ++row) {
        const int py = top + row;
        if (py < 0 || py >= height) continue;
        for (int col = 0; col < g.width; ++col) {
            const int px = left + col;
            if (px >= 0 && px < width && g.ink[static_cast<size_t>(row) * g.width + col])
                pixels[static_cast<size_t>(py) * width + px] = argb;
        }
    }
    return g.advance;
}

void FreeTypeFont::drawCell(Device& device, const char cell[2], int x, int y, uint32_t argb)
{
    Texture* target = device.renderTarget();
    uint32_t* pixels = target ? target->pixels() : device.backBuffer();
    const int width = target ? target->width() : kBackBufferWidth;
    const int height = target ? target->height() : kBackBufferHeight;
    const auto first = static_cast<unsigned char>(cell[0]);
    const auto second = static_cast<unsigned char>(cell[1]);
    if (first == 0) return;
    // Two bytes that are not one character are two single-byte characters,
    // side by side; a lead byte cut off by the cell's end draws nothing.
    char32_t drawn[2] = {};
    if (text::isLeadByte(first)) {
        drawn[0] = text::decodeCp932(std::string_view(cell, 2));
    } else {
        drawn[0] = text::decodeCp932(std::string_view(cell, 1));
        if (second != 0 && !text::isLeadByte(second))
            drawn[1] = text::decodeCp932(std::string_view(cell + 1, 1));
    }
    std::string utf8;
    int pen = x;
    for (char32_t c : drawn) {
        if (c == 0) break;
        pen += drawGlyph(pixels, width, height, c, pen, y, argb);
        text::appendUtf8(utf8, c);
    }
    if (Backend* backend = backendIfSet()) backend->textDrawn(utf8, x, y, argb);
}

}  // namespace

std::unique_ptr<Font> createJapaneseFont(std::string* error)
{
    text::FontFile file;
    if (!text::findJapaneseFont(file, error)) return nullptr;
    auto font = std::make_unique<FreeTypeFont>();
    if (!font->open(file, error)) return nullptr;
    return font;
}

}  // namespace platform

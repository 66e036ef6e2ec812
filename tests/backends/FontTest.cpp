// CP932 decoding and the conversation font's cells in a render target.
#include <gtest/gtest.h>

#include <set>

#include "platform/Device.h"
#include "platform/Font.h"
#include "platform/HeadlessBackend.h"

using namespace platform;

TEST(Cp932, DecodesAsWindowsDoesNotAsShiftJis)
{
    const struct {
        std::string in, out;
    } cases[] = {
        {"\\", "\\"},                   // not the yen sign
        {"~", "~"},                     // not the overline
        {"\x81\x60", "\uFF5E"},         // full-width tilde, not the wave dash
        {"\x81\x7C", "\uFF0D"},         // full-width hyphen-minus, not the minus sign
        {"\x87\x40", "\u2460"},         // NEC extension: circled one
        {"\x87\x54", "\u2160"},         // NEC extension: roman numeral one
        {"\xED\x40", "\u7E8A"},         // NEC-selected IBM extension
        {"\xFA\x40", "\u2170"},         // IBM extension: small roman one
        {"\xB1", "\uFF71"},             // half-width katakana
        {"\x82\xA0\x88\x9F", "\u3042\u4E9C"},
        {"A\x82", "A\uFFFD"},           // a lead byte cut off at the end
        {"\x82\x20" "B", "\uFFFD B"},   // a bad trail loses only the lead byte
        {"\x80", "\uFFFD"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cp932ToUtf8(c.in), c.out) << c.in;
}

namespace {

constexpr uint32_t kPaper = 0xFF102030;
constexpr int kSize = 64;

struct Ink {
    std::set<std::pair<int, int>> pixels;
    std::set<uint32_t> colours;
};

// Draws the cell into a fresh render target and collects what changed.
Ink drawInto(Font& font, const char cell[2], int x, int y, uint32_t argb)
{
    Device device;
    auto target = createRenderTargetTexture(kSize, kSize);
    device.setRenderTarget(target.get());
    device.clear(D3DCLEAR_TARGET, kPaper, 0);
    font.drawCell(device, cell, x, y, argb);
    Ink ink;
    for (int py = 0; py < kSize; ++py)
        for (int px = 0; px < kSize; ++px)
            if (uint32_t c = target->texel(px, py); c != kPaper) {
                ink.pixels.insert({px, py});
                ink.colours.insert(c);
            }
    return ink;
}

std::set<std::pair<int, int>> shifted(const std::set<std::pair<int, int>>& pixels, int dx, int dy)
{
    std::set<std::pair<int, int>> out;
    for (auto [x, y] : pixels)
        if (x + dx >= 0 && x + dx < kSize && y + dy >= 0 && y + dy < kSize) out.insert({x + dx, y + dy});
    return out;
}

class JapaneseFont : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        font_ = createJapaneseFont(&error);
        ASSERT_NE(font_, nullptr) << error;
    }
    std::unique_ptr<Font> font_;
};

}  // namespace

TEST_F(JapaneseFont, CellLandsInItsBoxInSolidColour)
{
    const Ink a = drawInto(*font_, "\x82\xA0", 10, 20, 0xFF12AB34);  // hiragana a
    ASSERT_FALSE(a.pixels.empty());
    EXPECT_EQ(a.colours, (std::set<uint32_t>{0xFF12AB34u}));          // no antialiasing
    int left = kSize, right = 0, top = kSize, bottom = 0;
    for (auto [x, y] : a.pixels) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    // Full width and 16 pixels high, drawn from the cell's top-left corner.
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 10 + 17);
    EXPECT_GE(top, 20);
    EXPECT_LE(bottom, 20 + 16);
    EXPECT_GE(right - left, 10);
    EXPECT_GE(bottom - top, 10);

    // Moving the cell moves the pixels and nothing else.
    EXPECT_EQ(drawInto(*font_, "\x82\xA0", 13, 17, 0xFF12AB34).pixels, shifted(a.pixels, 3, -3));
}

TEST_F(JapaneseFont, CellsAreClippedOnlyByTheTargetsEdges)
{
    const Ink whole = drawInto(*font_, "\x8A\xBF", 20, 20, 0xFFFFFFFF);  // a dense kanji
    const struct {
        int x, y;
    } places[] = {{-8, -8}, {56, 56}, {-8, 56}, {56, -8}, {-30, 20}, {200, -200}};
    for (const auto& p : places)
        EXPECT_EQ(drawInto(*font_, "\x8A\xBF", p.x, p.y, 0xFFFFFFFF).pixels, shifted(whole.pixels, p.x - 20, p.y - 20))
            << p.x << "," << p.y;
}

TEST_F(JapaneseFont, SingleByteCharactersSitSideBySideAtHalfWidth)
{
    const Ink pair = drawInto(*font_, "AB", 4, 4, 0xFFFFFFFF);
    const Ink a = drawInto(*font_, "A ", 4, 4, 0xFFFFFFFF);
    const Ink b = drawInto(*font_, "B\0", 12, 4, 0xFFFFFFFF);
    std::set<std::pair<int, int>> both = a.pixels;
    both.insert(b.pixels.begin(), b.pixels.end());
    EXPECT_FALSE(a.pixels.empty());
    EXPECT_EQ(pair.pixels, both);
    EXPECT_EQ(drawInto(*font_, "A\0", 4, 4, 0xFFFFFFFF).pixels, a.pixels);
    EXPECT_TRUE(drawInto(*font_, "\0A", 4, 4, 0xFFFFFFFF).pixels.empty());  // the text's end
}

TEST_F(JapaneseFont, WithoutRenderTargetTheBackBufferIsDrawn)
{
    Device device;
    device.clear(D3DCLEAR_TARGET, kPaper, 0);
    font_->drawCell(device, "\x82\xA0", 630, 470, 0xFF000000);  // partly off the edge
    int inked = 0;
    for (int i = 0; i < kBackBufferWidth * kBackBufferHeight; ++i) inked += device.backBuffer()[i] == 0xFF000000u;
    EXPECT_GT(inked, 0);
}

TEST_F(JapaneseFont, HeadlessRunsLogEveryCellDrawn)
{
    HeadlessBackend backend;
    setBackend(&backend);
    Device device;
    font_->drawCell(device, "\x82\xA0", 10, 20, 0xFF12AB34);
    const uint32_t pixel = 0;
    backend.present(&pixel, 1, 1);
    font_->drawCell(device, "AB", -4, 470, 0x80FFFFFF);
    font_->drawCell(device, "A\x82", 0, 0, 0xFF000000);  // a lead byte cut off draws nothing
    font_->drawCell(device, "\0A", 0, 0, 0xFF000000);    // the text's end: no cell at all
    setBackend(nullptr);
    const std::vector<std::string> expected = {
        "{\"frame\":0,\"type\":\"text\",\"x\":10,\"y\":20,\"argb\":\"ff12ab34\",\"text\":\"\u3042\"}",
        "{\"frame\":1,\"type\":\"text\",\"x\":-4,\"y\":470,\"argb\":\"80ffffff\",\"text\":\"AB\"}",
        "{\"frame\":1,\"type\":\"text\",\"x\":0,\"y\":0,\"argb\":\"ff000000\",\"text\":\"A\"}",
    };
    EXPECT_EQ(backend.logLines(), expected);
}

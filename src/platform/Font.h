// The conversation font: a fixed-pitch Japanese face found through fontconfig,
// bold, not antialiased, 16 pixels high, drawing two-byte Windows Shift-JIS
// (CP932) cells into the device's current render target.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Device;

class Font {
public:
    virtual ~Font() = default;
    // Draws one cell (two bytes of CP932: one two-byte character, or two
    // single-byte characters side by side, a zero byte ending the cell early)
    // with its top-left at (x, y) in solid colour, unclipped by any rectangle
    // (only by the render target's edges). The baseline is the face's ascender
    // below y. The characters drawn are reported to the backend in use
    // (Backend::textDrawn), which is how headless runs log their text.
    virtual void drawCell(Device& device, const char cell[2], int x, int y, uint32_t argb) = 0;
};

// Null and an error naming the problem when no Japanese font can be opened.
std::unique_ptr<Font> createJapaneseFont(std::string* error);

// Converts CP932 text to UTF-8 (for messages and tests). Invalid bytes become U+FFFD.
std::string cp932ToUtf8(const std::string& text);

}  // namespace platform

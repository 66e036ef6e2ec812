// A 256 x 256 picture whose every texel names its own place: red is its
// column, green its row and blue a tag, so a screen pixel tells which sheet
// and cell it was drawn from.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Device.h"

inline std::unique_ptr<platform::Texture> texelCodedSheet(uint8_t tag)
{
    auto sheet = std::make_unique<platform::Texture>(256, 256, false);
    uint32_t* p = sheet->pixels();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            p[y * 256 + x] = 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | tag;
    return sheet;
}

// The scatter table of the kind-9 boss and of the scatter-layer bullets: four
// rows of 30 pseudo-random spreads, read as row * 30 + column.
#pragma once

#include <cstdint>

constexpr int kScatterRows = 4;
constexpr int kScatterColumns = 30;

inline constexpr int32_t kScatterTableB[kScatterRows * kScatterColumns] = {
    89,  99,  35,  125, 118, 114, 93,  54,  54,  20,  119, 12,  104, 127, 83,
    64,  19,  69,  68,  65,  49,  37,  23,  17,  5,   123, 61,  70,  24,  86,
    79,  52,  96,  68,  120, 119, 125, 92,  0,   10,  100, 104, 61,  82,  46,
    67,  34,  96,  113, 84,  6,   18,  90,  56,  20,  86,  105, 30,  77,  11,
    66,  10,  62,  84,  115, 10,  32,  38,  59,  29,  71,  50,  52,  124, 110,
    15,  66,  1,   113, 116, 103, 47,  44,  21,  52,  95,  126, 24,  88,  6,
    100, 116, 9,   85,  73,  121, 126, 13,  126, 103, 52,  10,  68,  127, 80,
    43,  39,  35,  20,  110, 83,  96,  67,  80,  125, 20,  39,  62,  0,   63,
};

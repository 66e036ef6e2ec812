// Tables filled once at start-up and never changed afterwards.
#pragma once

#include <cstdint>

struct SwirlPoint {
    float x;
    float y;
};

constexpr int kSwirlFamilies = 2;
constexpr int kSwirlPaths = 8;
constexpr int kSwirlPoints = 40;
constexpr int kRingOffsetCount = 409;

// Top-left corners of 64 x 64 sprites along sixteen curved paths about the
// screen centre: two mirrored families, each path 0 turned by 45e degrees.
extern SwirlPoint g_swirlPaths[kSwirlFamilies][kSwirlPaths][kSwirlPoints];
// Points on rings of radius 16, 32, ... 176 pixels around a drop point.
extern int32_t g_ringOffsets[kRingOffsetCount][2];

void fillSwirlPaths();
void fillRingOffsets();

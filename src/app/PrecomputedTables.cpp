// The swirl paths and the ring offsets, computed exactly as the effects and
// the item scatter expect them (with the game's degree factor).
#include "app/PrecomputedTables.h"

#include <cmath>

#include "objects/GameObject.h"

SwirlPoint g_swirlPaths[kSwirlFamilies][kSwirlPaths][kSwirlPoints];
int32_t g_ringOffsets[kRingOffsetCount][2];

void fillSwirlPaths()
{
    const double k = kDegToRad;
    for (int family = 0; family < kSwirlFamilies; ++family) {
        int distance[kSwirlPoints];
        int bearing[kSwirlPoints];
        for (int p = 0; p < kSwirlPoints; ++p) {
            double degrees = family == 0 ? 4.5 * p + 180 : 180 - 4.5 * p;
            float x = static_cast<float>(std::cos(degrees * k) * 120 + 440);
            float y = static_cast<float>(std::sin(degrees * k) * 120 / 2 + 240);
            g_swirlPaths[family][0][p] = {x, y};
            double dx = x - 320.0;
            double dy = y - 240.0;
            distance[p] = static_cast<int>(std::sqrt(dx * dx + dy * dy));
            bearing[p] = static_cast<int>(angleDegrees(dx, dy));
        }
        for (int e = 1; e < kSwirlPaths; ++e) {
            for (int p = 0; p < kSwirlPoints; ++p) {
                double degrees = 45 * e + bearing[p];
                g_swirlPaths[family][e][p] = {
                    static_cast<float>(std::cos(degrees * k) * distance[p] + 320),
                    static_cast<float>(std::sin(degrees * k) * distance[p] + 240)};
            }
        }
        for (SwirlPoint(&path)[kSwirlPoints] : g_swirlPaths[family]) {
            for (SwirlPoint& point : path) {
                point.x -= 32;
                point.y -= 32;
            }
        }
    }
}

void fillRingOffsets()
{
    int i = 0;
    for (int r = 0; r < 12; ++r) {
        double circumference = r * 32 * 3.14 / 16;
        int n = static_cast<int>(circumference);
        if (n == 0)
            continue;  // the centre ring has no points
        float step = static_cast<float>(360 / circumference);
        for (int j = 0; j < n && i < kRingOffsetCount; ++j, ++i) {
            double degrees = j * step * kDegToRad;
            g_ringOffsets[i][0] = static_cast<int32_t>(std::cos(degrees) * 16 * r);
            g_ringOffsets[i][1] = static_cast<int32_t>(std::sin(degrees) * 16 * r);
        }
    }
}

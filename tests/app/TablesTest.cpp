// The precomputed tables against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "app/PrecomputedTables.h"

namespace {

TEST(PrecomputedTables, RingOffsetsWalkElevenRings)
{
    fillRingOffsets();
    const int expected[][3] = {
        // index, x, y
        {0, 16, 0}, {1, 8, 13}, {2, -6, 14}, {3, -15, 2}, {4, -10, -12}, {5, 4, -15},
        {6, 32, 0}, {7, 28, 15},
        {18, 48, 0},    // ring 3 starts after 6 + 12 points
        {408, 175, -17},  // the last point of ring 11
    };
    for (const auto& e : expected) {
        EXPECT_EQ(g_ringOffsets[e[0]][0], e[1]) << "entry " << e[0];
        EXPECT_EQ(g_ringOffsets[e[0]][1], e[2]) << "entry " << e[0];
    }
    // Ring starts: every ring's first point lies on the x axis at its radius.
    const int ringStart[] = {0, 6, 18, 36, 61, 92, 129, 172, 222, 278, 340};
    for (int r = 1; r <= 11; ++r) {
        EXPECT_EQ(g_ringOffsets[ringStart[r - 1]][0], 16 * r);
        EXPECT_EQ(g_ringOffsets[ringStart[r - 1]][1], 0);
    }
}

TEST(PrecomputedTables, SwirlPathsAreTurnedCopiesOfTheirFirstPath)
{
    fillSwirlPaths();
    // 180 x 0.017444 is slightly less than pi, so y is about 208.1, not 208.
    EXPECT_NEAR(g_swirlPaths[0][0][0].x, 288.0, 0.001);
    EXPECT_NEAR(g_swirlPaths[0][0][0].y, 208.0 + std::sin(180 * 0.017444) * 60, 0.0001);
    EXPECT_GT(g_swirlPaths[0][0][0].y, 208.05);
    // Family B runs the other way round the same half ellipse.
    EXPECT_NEAR(g_swirlPaths[1][0][0].x, g_swirlPaths[0][0][0].x, 1e-4);
    EXPECT_LT(g_swirlPaths[0][0][10].y, 208.0f);
    EXPECT_GT(g_swirlPaths[1][0][10].y, 208.0f);
    // Points further along, worked out independently of the code.
    struct Expected {
        int family, path, point;
        double x, y;
    };
    const Expected expected[] = {
        {0, 0, 20, 407.699, 148.000}, {1, 0, 39, 527.630, 212.705}, {0, 3, 17, 265.999, 313.735},
        {1, 5, 25, 208.656, 53.144},  {1, 7, 39, 459.434, 41.473},
    };
    for (const Expected& e : expected) {
        const SwirlPoint& p = g_swirlPaths[e.family][e.path][e.point];
        EXPECT_NEAR(p.x, e.x, 0.01) << e.family << "/" << e.path << "/" << e.point;
        EXPECT_NEAR(p.y, e.y, 0.01) << e.family << "/" << e.path << "/" << e.point;
    }
    // Path e: the point of path 0 turned by 45e whole degrees at a whole
    // distance about the centre (the corner offset of 32 taken off at the end).
    for (int e = 1; e < 8; ++e) {
        for (int p : {0, 13, 39}) {
            double dx = g_swirlPaths[0][0][p].x + 32 - 320.0;
            double dy = g_swirlPaths[0][0][p].y + 32 - 240.0;
            int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
            double a = std::atan2(dy, dx) * 180 / 3.14159265359;
            if (a < 0)
                a += 360;
            double turned = (45 * e + static_cast<int>(a)) * 0.017444;
            EXPECT_NEAR(g_swirlPaths[0][e][p].x, std::cos(turned) * d + 320 - 32, 1e-3);
            EXPECT_NEAR(g_swirlPaths[0][e][p].y, std::sin(turned) * d + 240 - 32, 1e-3);
        }
    }
}

}  // namespace

// Quad geometry: the trig tables, the table-rotated quad, object quads and colours.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/Sprites.h"

namespace {

class Quads : public ::testing::Test {
protected:
    void SetUp() override { fillTrigTables(); }
};

}  // namespace

TEST_F(Quads, TablesUseTheGameDegreeFactor) {
    EXPECT_NEAR(g_cosTable[90], 0.00084, 0.00001);  // not 0: the factor is 0.017444
    EXPECT_FLOAT_EQ(g_cosTable[0], 1);
    EXPECT_FLOAT_EQ(g_sinTable[90], static_cast<float>(std::sin(90 * 0.017444)));
    EXPECT_FLOAT_EQ(g_sinTable[359], static_cast<float>(std::sin(359 * 0.017444)));
}

TEST_F(Quads, TableRotatedCornersReadTheirTableEntries) {
    // Angle, then the entries of the top-left, top-right, bottom-right and bottom-left corners.
    struct Case { int angle; int k[4]; } cases[] = {
        {0, {225, 315, 45, 135}},
        {359, {224, 314, 44, 134}},
        {-1, {224, 314, 44, 134}},   // reduced into 0-359 before indexing
        {-721, {224, 314, 44, 134}},
        {450, {315, 45, 135, 225}},
    };
    const float x = 100, y = 50, w = 40, h = 20;
    for (const Case& c : cases) {
        platform::Vertex q[4];
        tableRotatedQuad(q, x, y, w, h, c.angle, 0xFF123456, 0.25f, 0.5f, 0.125f, 0.25f);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(q[i].x, 120 + w * g_cosTable[c.k[i]]) << c.angle << " corner " << i;
            EXPECT_FLOAT_EQ(q[i].y, 60 + h * g_sinTable[c.k[i]]) << c.angle << " corner " << i;
            EXPECT_EQ(q[i].diffuse, 0xFF123456u);
            EXPECT_EQ(q[i].rhw, 1.0f);
            EXPECT_EQ(q[i].z, 0.0f);
        }
    }
    platform::Vertex q[4];
    tableRotatedQuad(q, 0, 0, 100, 100, 0, 0, 0, 1, 0, 1);
    EXPECT_NEAR(q[0].x - 50, -70.86, 0.01);  // cos(225 x 0.017444) w from the centre, not 0.5 w
    EXPECT_NEAR(q[2].y - 50, 70.68, 0.01);
}

TEST_F(Quads, TextureCoordinatesFollowTheCornerOrder) {
    platform::Vertex q[4];
    axisQuad(q, 10, 20, 30, 40, 0xFFFFFFFF, 0.25f, 0.5f, 0.125f, 0.25f);
    const float expected[4][4] = {{10, 20, 0.25f, 0.125f},
                                  {40, 20, 0.75f, 0.125f},
                                  {40, 60, 0.75f, 0.375f},
                                  {10, 60, 0.25f, 0.375f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(q[i].x, expected[i][0]) << i;
        EXPECT_EQ(q[i].y, expected[i][1]) << i;
        EXPECT_EQ(q[i].u, expected[i][2]) << i;
        EXPECT_EQ(q[i].v, expected[i][3]) << i;
    }
}

TEST_F(Quads, ObjectQuadsStraightAndRotated) {
    GameObject g(4, 1, 10.5f, 20);
    g.setShape(true, 33, 16, 0, 0, 0, 0);
    platform::Vertex q[4];
    objectQuad(q, g, 0x80FFFFFF, 0, 1, 0, 1);
    EXPECT_EQ(q[2].x, 43.5f);
    EXPECT_EQ(q[2].y, 36.0f);

    // Rotated about (10.5 + 16, 20 + 8) with the 0.7 factor and the library trig.
    struct Case { double rotation; } cases[] = {{0}, {30}, {-90}, {359.5}};
    for (const Case& c : cases) {
        g.setRotation(c.rotation);
        objectQuadRotated(q, g, 0xFFFFFFFF, 0, 1, 0, 1);
        const int offsets[4] = {225, 315, 45, 135};
        for (int i = 0; i < 4; ++i) {
            double a = (static_cast<float>(c.rotation) + offsets[i]) * 0.017444;
            EXPECT_NEAR(q[i].x, 26.5 + 33 * 0.7 * std::cos(a), 1e-4) << c.rotation << " " << i;
            EXPECT_NEAR(q[i].y, 28.0 + 16 * 0.7 * std::sin(a), 1e-4) << c.rotation << " " << i;
        }
    }
    g.setRotation(0);
    objectQuadRotated(q, g, 0xFFFFFFFF, 0, 1, 0, 1);
    EXPECT_NEAR(q[1].x - q[0].x, 33 * 0.7 * 2 * 0.7071, 0.1);  // 0.99 of the nominal width
}

TEST_F(Quads, ObjectColoursMaskEachComponent) {
    GameObject g(0, 0, 0, 0);
    struct Case { int a, r, gr, b; uint32_t full, fade; } cases[] = {
        {255, 255, 255, 255, 0xFFFFFFFF, 0xFFFFFFFF},
        {128, 255, 0, 0, 0x80FF0000, 0x80FFFFFF},
        {0, 1, 2, 3, 0x00010203, 0x00FFFFFF},
        {256, 300, -1, 511, 0x002CFFFF, 0x00FFFFFF},  // out-of-range values keep their low 8 bits
        {-1, 0, 0, 0, 0xFF000000, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        g.setAlpha(c.a);
        g.setRed(c.r);
        g.setGreen(c.gr);
        g.setBlue(c.b);
        EXPECT_EQ(objectColour(g), c.full) << c.a;
        EXPECT_EQ(objectFadeColour(g), c.fade) << c.a;
    }
}

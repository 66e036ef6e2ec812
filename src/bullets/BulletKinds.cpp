// The bullet kinds' starting values. Columns: kind; size; hit box left, top,
// right, bottom; hp; power; speed (also base speed and aux); where the angle
// comes from and its fixed value; the velocity at spawn and its magnitude.
#include "bullets/BulletKinds.h"

namespace {

constexpr BulletAngle Aim = BulletAngle::Aim;
constexpr BulletAngle Given = BulletAngle::Given;
constexpr BulletAngle Fixed = BulletAngle::Fixed;
constexpr BulletAngle By120 = BulletAngle::GivenBy120;
constexpr BulletVelocity None = BulletVelocity::None;
constexpr BulletVelocity VAim = BulletVelocity::Aim;
constexpr BulletVelocity VGiven = BulletVelocity::Given;
constexpr BulletVelocity Centre = BulletVelocity::Centre;
constexpr BulletVelocity Offsets = BulletVelocity::Offsets;
constexpr BulletVelocity GivenY = BulletVelocity::GivenY;

// Hit points that let a bullet pass through walls.
constexpr int32_t kThroughWalls = 999999;

constexpr BulletKindRow kBulletKindTable[] = {
    {0, 16, 16, 2, 2, 14, 14, 1, 1500, 10, Aim, 0, VAim, 10},
    {1, 32, 32, 12, 12, 20, 20, 1, 500, 5, Given, 0, VGiven, 5},
    {2, 32, 32, 0, 0, 8, 8, 1000, 500, 1, Fixed, 180, None, 0},
    {4, 32, 32, 0, 0, 8, 8, 1000, 500, 1, Given, 0, None, 0},
    {5, 32, 32, 0, 0, 8, 8, 1000, 1000, 1, Given, 0, None, 0},
    {6, 16, 16, 2, 2, 14, 14, 1, 2000, 5, Given, 0, VGiven, 5},
    {7, 16, 16, 2, 2, 14, 14, 1, 500, 4, Given, 0, VGiven, 4},
    {10, 16, 16, 4, 4, 12, 12, 1, 1000, 1, Given, 0, Centre, 0},
    {11, 16, 16, 2, 2, 14, 14, 1, 500, 60, Given, 0, None, 0},
    {13, 1, 1, 0, 0, 0, 0, 9999, 500, 4, Given, 0, None, 0},
    {14, 16, 16, 0, 0, 8, 8, 1000, 1000, 1, Given, 0, None, 0},
    {15, 32, 32, 12, 12, 20, 20, 1, 100, 5, Given, 0, VGiven, 5},
    {16, 1, 16, 0, 8, 1, 13, 9999, 5, 12, Given, 0, None, 0},
    {18, 64, 64, 16, 16, 48, 48, 1, 600, 2, Given, 0, None, 0},
    {19, 2, 2, 16, 16, 48, 48, 1, 600, 4, Given, 0, None, 0},
    {20, 2, 2, 16, 16, 48, 48, 1, 600, 4, Given, 0, VGiven, 4},
    {21, 2, 2, 16, 16, 48, 48, 1, 600, 10, Given, 0, VGiven, 10},
    {22, 2, 2, 16, 16, 48, 48, 1, 5, 20, Given, 0, VGiven, 20},
    {23, 1, 1, 16, 16, 48, 48, 1, 5, 2, Given, 0, VGiven, 2},
    {24, 64, 64, 16, 16, 48, 48, 1, 5, 5, Given, 0, VGiven, 5},
    {25, 32, 32, 12, 12, 20, 20, 1, 500, 3, Given, 0, VGiven, 3},
    {26, 0, 0, 0, 8, 32, 24, 1, 500, 1, Given, 0, VGiven, 1},
    {28, 32, 32, 12, 12, 20, 20, 1, 500, 1, Given, 0, VGiven, 1},
    {29, 1, 1, 0, 0, 1, 1, 99999, 500, 1, Given, 0, None, 0},
    {31, 16, 16, 2, 2, 14, 14, 1, 500, 3, Aim, 0, VAim, 3},
    {32, 0, 0, 3, 3, 29, 29, 1, 1500, 3, Given, 0, Offsets, 0},
    {33, 0, 0, 3, 3, 29, 29, 1, 1500, 3, Given, 0, Offsets, 0},
    {34, 64, 32, 24, 6, 64, 24, 1, 500, 5, Fixed, 0, GivenY, 0},
    {35, 64, 32, 24, 6, 64, 24, 1, 500, 5, Given, 0, VGiven, 5},
    {38, 32, 32, 0, 8, 32, 24, kThroughWalls, 500, 10, Given, 0, None, 0},
    {39, 64, 64, 16, 16, 48, 48, kThroughWalls, 400, -7, By120, 0, None, 0},
    {40, 256, 256, 80, 80, 176, 176, kThroughWalls, 500, 7, Given, 0, VGiven, 7},
    {41, 1, 1, 40, 40, 88, 88, kThroughWalls, 500, 5, Given, 0, VGiven, 5},
    {42, 64, 64, 20, 20, 44, 44, kThroughWalls, 500, 7, Given, 0, VGiven, 7},
    {43, 64, 64, 20, 20, 44, 44, kThroughWalls, 200, 2, Given, 0, VGiven, 2},
    {44, 64, 64, 20, 20, 44, 44, kThroughWalls, 200, 7, Given, 0, VGiven, 7},
    {45, 64, 64, 20, 20, 44, 44, kThroughWalls, 500, 4, Given, 0, VGiven, 4},
    {46, 64, 64, 16, 16, 48, 48, 1, 600, 1, Given, 0, VGiven, 1},
    {47, 64, 64, 16, 16, 48, 48, 1, 600, 1, Given, 0, VGiven, 1},
    {48, 64, 64, 16, 16, 48, 48, 1, 600, 1, Given, 0, VGiven, 1},
    {49, 128, 128, 32, 32, 96, 96, 1, 600, 3, Given, 0, VGiven, 3},
    {1000, 16, 16, 2, 2, 14, 14, 1, 600, 3, Aim, 0, VAim, 3},
    {1001, 16, 16, 2, 2, 14, 14, 1, 1000, 6, Aim, 0, VAim, 6},
};

}  // namespace

const BulletKindRow* bulletKindRow(int kind)
{
    for (const BulletKindRow& row : kBulletKindTable)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

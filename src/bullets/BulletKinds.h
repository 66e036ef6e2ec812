// The bullet kinds' starting values, one row per kind.
#pragma once

#include <cstdint>

// Where a new bullet's stored angle comes from.
enum class BulletAngle {
    Aim,         // at the craft, from the bullet's spawn point
    Given,       // the value the caller passed
    Fixed,       // the row's own value
    GivenBy120,  // the given value / 120 (a lob's sideways drift)
};

// The velocity a new bullet starts with.
enum class BulletVelocity {
    None,     // 0, 0 (or set by the kind's first update)
    Aim,      // along the aim, times the magnitude
    Given,    // along the given angle, times the magnitude
    Centre,   // vx, vy hold the spawn point: the centre of a spiral
    Offsets,  // vx, vy are offsets from the owner map character, starting at 0
    GivenY,   // vy holds the given value (a row to run along)
};

struct BulletKindRow {
    int32_t kind;
    float width, height;
    float hitLeft, hitTop, hitRight, hitBottom;
    int32_t hp;
    int32_t power;
    float speed;
    BulletAngle angleFrom;
    double fixedAngle;
    BulletVelocity velocity;
    float magnitude;
};

// The row of a kind, or null for a kind the game does not create.
const BulletKindRow* bulletKindRow(int kind);

// Starting values of the item kinds. There is one kind, 0: a score piece
// whose hit box is far larger than its picture, so the craft gathers items
// from a distance.
#pragma once

struct ItemKindRow {
    float width, height;
    float hitLeft, hitTop, hitRight, hitBottom;
    int hp, power;
    float speed;  // pixels a frame to the left: negative drifts right
    double angle;
    int cell;
    float anim;
    int alpha;
    int value;
};

constexpr ItemKindRow kItemKindTable[] = {
    {16, 16, -40, -40, 40, 40, 1, 1, -3.0f, 0, 0, 0, 255, 12},
};
constexpr int kItemKindCount = sizeof kItemKindTable / sizeof kItemKindTable[0];

// Start values of the map characters by type.
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"
#include "stage/MapCharRules.h"

std::vector<MapChar> mapChars;
int32_t mapCharCount = 0;
GameObject* g_mapEmitterObject = nullptr;

namespace {

struct MapCharStart {
    int32_t width, height;
    int32_t hitLeft, hitTop, hitRight, hitBottom;
    float u, v, du, dv;
    int32_t speed, hp, power;
};

constexpr float kCell = 1.0f / 16;

// Types 0-7; any other type is an enemy generator (the last row).
constexpr MapCharStart kMapCharStart[9] = {
    // w    h   hit l, t,  r,   b     u       v      du      dv     speed hp      power
    {32, 32, 0, 0, 32, 32, 0, 0.5f, kCell, kCell, 1, 1, 1000},                 // 0 block
    {32, 32, 0, 0, 32, 32, 0.25f, 0.5f, kCell, kCell, 1, 999999, 1000},        // 1 beam
    {64, 64, 0, 0, 64, 64, 0, 0.5625f, 0.125f, 0.125f, 1, 50, 1000},           // 2 wall crawler
    {128, 64, 26, 2, 102, 64, 0.5f, 0.875f, 0.25f, 0.125f, 4, 30, 1},          // 3 enemy hatch
    {32, 32, 4, 4, 28, 28, 0.0625f, 0.5f, kCell, kCell, 1, 9999999, 1000},     // 4 fixed turret
    {32, 32, 4, 4, 28, 28, 0.125f, 0.5f, kCell, kCell, 1, 999999, 1000},       // 5 spiral turret
    {32, 32, 4, 4, 28, 28, 0.1875f, 0.5f, kCell, kCell, 1, 99999, 1000},       // 6 four-way spiral
    {0, 0, 6, 6, 58, 58, 0, 0.375f, 0.125f, 0.125f, 1, 1, 1000},               // 7 rotating turret
    {1, 1, 0, 0, 32, 32, 0, 0, kCell, kCell, 4, 9999999, 1},                   // enemy generator
};

}  // namespace

bool mapCellSolid(int32_t column, int32_t row)
{
    if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows)
        return false;
    return mapTiles[column][row] != 0;
}

namespace {

// The crawler starts along the wall it finds itself on; with no rule
// matching, the file's direction stays.
void crawlerStartDirection(MapChar& record)
{
    int32_t column = record.mapX / 32;
    int32_t row = record.mapY / 32;
    auto t = [&](int dc, int dr) { return mapCellSolid(column + dc, row + dr); };
    if (!t(-1, 0) && t(0, 1))
        record.param0 = 0;
    else if (!t(1, 0) && t(0, -1))
        record.param0 = 2;
    else if (!t(0, -1) && t(-1, 0))
        record.param0 = 2;
    else if (!t(0, 1) && t(1, 0))
        record.param0 = 3;
}

}  // namespace

void initMapChar(MapChar& record)
{
    int row = record.type >= 0 && record.type <= 7 ? record.type : 8;
    const MapCharStart& start = kMapCharStart[row];
    record.width = start.width;
    record.height = start.height;
    record.hitLeft = start.hitLeft;
    record.hitTop = start.hitTop;
    record.hitRight = start.hitRight;
    record.hitBottom = start.hitBottom;
    record.u = start.u;
    record.v = start.v;
    record.du = start.du;
    record.dv = start.dv;
    record.speed = start.speed;
    record.hp = start.hp;
    record.power = start.power;
    record.frame = 0;
    record.clock = 0;
    record.phase = 0;
    record.hitFlash = false;
    record.extending = true;
    record.angle = 0;
    record.dead = false;
    record.shotCounter = 0;
    switch (row) {
    case 2:
        crawlerStartDirection(record);
        break;
    case 3:
        record.u = record.param0 == 2 ? 0.0f : 0.5f;
        record.param1 /= 33;
        break;
    case 7: {
        constexpr int32_t kTurretAngle[4] = {0, 180, 90, 270};
        if (record.param0 >= 0 && record.param0 < 4)
            record.angle = kTurretAngle[record.param0];
        break;
    }
    case 8:
        record.param1 /= 33;
        break;
    default:
        break;
    }
}

void freeMapCharacters()
{
    mapChars.clear();
    mapChars.shrink_to_fit();
    mapCharCount = 0;
}

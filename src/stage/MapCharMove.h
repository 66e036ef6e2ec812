// The characters placed on the stage map (blocks, beams, crawlers, hatches,
// turrets, enemy generators) and the stand-alone object they spawn from.
// They live in map coordinates in one table loaded with the stage.
#pragma once

#include <cstdint>
#include <vector>

class GameObject;

struct MapChar {
    int32_t type = 0;
    int32_t index = 0;
    int32_t mapX = 0;
    int32_t mapY = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t hitLeft = 0;
    int32_t hitTop = 0;
    int32_t hitRight = 0;
    int32_t hitBottom = 0;
    float u = 0;
    float v = 0;
    float du = 0;
    float dv = 0;
    int32_t speed = 0;
    int32_t angle = 0;
    int32_t frame = 0;
    bool dead = false;
    int32_t hp = 0;
    int32_t power = 0;
    int32_t param0 = 0;
    int32_t param1 = 0;
    int32_t param2 = 0;
    int32_t param3 = 0;
    int32_t phase = 0;
    int32_t shotCounter = 0;
    int32_t clock = 0;
    bool hitFlash = false;
    bool extending = true;
};

// Where a record sits on screen this frame, and whether it is in view.
struct MapCharView {
    int32_t screenX;
    int32_t screenY;
    bool onScreen;
};

extern std::vector<MapChar> mapChars;
extern int32_t mapCharCount;
extern GameObject* g_mapEmitterObject;

// Gives a freshly read record its start values by type. The stage's tiles
// must be loaded first: a wall crawler takes its start direction from them.
void initMapChar(MapChar& record);
// Wakes, moves and draws the characters as the map scrolls. Runs before the
// tiles are drawn, so tiles cover the characters.
void mapCharsStep();
// The type's behaviour for one frame; the step calls it once the record's
// clock has passed its param2, while the world is not frozen.
void mapCharAction(MapChar& record, const MapCharView& view);
// The player's shots, then the craft, against the record at index drawn at
// (screenX, screenY). Indices outside the table are ignored.
void hitMapCharByShots(int32_t index, int32_t screenX, int32_t screenY);
void hitMapCharByPlayer(int32_t index, int32_t screenX, int32_t screenY);
// Frees the stage's map-character table.
void freeMapCharacters();

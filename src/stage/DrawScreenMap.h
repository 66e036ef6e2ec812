// The stage's scrolling tile map: loading, drawing, scrolling and the tiles
// that hurt the craft. Tile 0 is empty; every other tile is solid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class GameObject;

constexpr int kMapColumns = 1024;
constexpr int kMapRows = 256;
constexpr int kMaxScrollSegments = 256;
constexpr int kMaxStages = 10;
constexpr int kMapMarker = 49;

struct ScrollSegment {
    int32_t direction;  // code 0-8 from the file
    int32_t frames;     // how long the segment lasts (it runs frames + 1); 0 stops the scroll
    int32_t dx;         // column step of the view: -1, 0, +1 (9999 for the end record)
    int32_t dy;         // row step of the view
    int32_t speed;      // thousandths of a pixel per frame
};

extern int32_t mapTiles[kMapColumns][kMapRows];
extern int32_t scrollTileX;
extern int32_t scrollTileY;
extern int32_t scrollPixelX;
extern int32_t scrollPixelY;
extern ScrollSegment scrollSegments[kMaxScrollSegments];
extern int32_t scrollSegmentCount;
extern int32_t segmentIndex;
extern int32_t segmentFrame;
extern int32_t speedAccumulator;

// The camera in map pixels (screen = map - camera). It is taken from the
// scroll once a frame, before the scroll moves, so everything drawn after the
// map has moved on still lines up with the map characters of that frame.
extern int32_t cameraX;
extern int32_t cameraY;
void updateCamera();

// Loads stage stageIndex (0-based) from "lnfpac/map.pac": the tiles, the
// craft's start position, the map characters and the scroll. True on success.
bool loadStageMap(int32_t stageIndex);
// The same from the file's bytes held in memory; name is used in messages.
bool loadStageMapFrom(const uint8_t* data, size_t size, int32_t stageIndex);

// Draws the visible tiles, advances the scroll, tests the craft against the tiles.
void stageMapStep();
void drawMapTiles();
void advanceScroll();

// The tile at a screen position; lookups outside the grid read as empty.
int32_t mapTileAt(float screenX, float screenY);
// True when a corner of the object's hit box lies on a solid tile.
bool boxTouchesMap(const GameObject& object);

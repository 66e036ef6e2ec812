// The stage map's per-frame step: draw the visible tiles, advance the scroll
// along its segments, then hurt the craft where it touches a solid tile.
#include "stage/DrawScreenMap.h"

#include <cmath>

#include "app/PlayFlags.h"
#include "effects/Effects.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

int32_t mapTiles[kMapColumns][kMapRows];
int32_t scrollTileX = 0;
int32_t scrollTileY = 0;
int32_t scrollPixelX = 0;
int32_t scrollPixelY = 0;
int32_t cameraX = 0;
int32_t cameraY = 0;
ScrollSegment scrollSegments[kMaxScrollSegments];
int32_t scrollSegmentCount = 0;
int32_t segmentIndex = 0;
int32_t segmentFrame = 0;
int32_t speedAccumulator = 0;

namespace {

constexpr int32_t kTileDamage = 300;
constexpr float kTileCell = 1.0f / 16;

int32_t tileAt(int64_t column, int64_t row)
{
    if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows)
        return 0;
    return mapTiles[column][row];
}

// trunc((screen + pixel) / 32) + tile, with the division in floating point,
// so that -10 falls in the same column as +10. Far-off positions read as empty.
int64_t gridIndex(float screen, int32_t pixel, int32_t tile)
{
    double cell = std::trunc((screen + pixel) / 32.0f);
    if (!(std::fabs(cell) < 1e9))
        return -1;
    return static_cast<int64_t>(cell) + tile;
}

void hurtPlayerOnTiles()
{
    GameObject* player = g_playerObject;
    if (!player || g_stageClearing)
        return;
    if (boxTouchesMap(*player)) {
        player->setHp(player->hp() - kTileDamage);
        player->setGreen(0);
        player->setBlue(0);
    }
    if (player->hp() < 0 && !g_gameOver) {
        g_gameOver = true;
        spawnEffect(player, 27);
    }
}

}  // namespace

int32_t mapTileAt(float screenX, float screenY)
{
    return tileAt(gridIndex(screenX, scrollPixelX, scrollTileX), gridIndex(screenY, scrollPixelY, scrollTileY));
}

bool boxTouchesMap(const GameObject& object)
{
    return mapTileAt(object.boxLeft(), object.boxTop()) != 0 ||
           mapTileAt(object.boxRight(), object.boxTop()) != 0 ||
           mapTileAt(object.boxRight(), object.boxBottom()) != 0 ||
           mapTileAt(object.boxLeft(), object.boxBottom()) != 0;
}

void drawMapTiles()
{
    const platform::Texture* sheet = g_texMapCount > 0 ? g_texMap[0] : nullptr;
    // One extra column or row on the side the view is moving into.
    int firstColumn = scrollPixelX < 0 ? -1 : 0;
    int lastColumn = scrollPixelX > 0 ? 20 : 19;
    int firstRow = scrollPixelY < 0 ? -1 : 0;
    int lastRow = scrollPixelY > 0 ? 15 : 14;
    for (int j = firstColumn; j <= lastColumn; ++j) {
        for (int i = firstRow; i <= lastRow; ++i) {
            int32_t t = tileAt(int64_t{scrollTileX} + j, int64_t{scrollTileY} + i);
            if (t == 0)
                continue;
            drawSpriteFaded(sheet, static_cast<float>(j * 32 - scrollPixelX),
                            static_cast<float>(i * 32 - scrollPixelY), 32, 32, (t % 16) / 16.0f,
                            kTileCell, (t / 16) / 16.0f, kTileCell, 255);
        }
    }
}

void updateCamera()
{
    cameraX = scrollTileX * 32 + scrollPixelX;
    cameraY = scrollTileY * 32 + scrollPixelY;
}

void advanceScroll()
{
    if (g_worldFrozen || segmentIndex >= scrollSegmentCount)
        return;
    ScrollSegment& segment = scrollSegments[segmentIndex];
    if (segment.frames == 0)
        return;
    if (speedAccumulator >= 1000)
        speedAccumulator = 0;
    speedAccumulator += segment.speed;
    scrollPixelX += segment.dx * speedAccumulator / 1000;
    scrollPixelY += segment.dy * speedAccumulator / 1000;
    // Pixels past the tile edge are dropped.
    if (scrollPixelX > 31 || scrollPixelX < -31) {
        scrollTileX += segment.dx;
        scrollPixelX = 0;
    }
    if (scrollPixelY > 31 || scrollPixelY < -31) {
        scrollTileY += segment.dy;
        scrollPixelY = 0;
    }
    if (segment.frames > segmentFrame) {
        segmentFrame += 1;
    } else {
        segmentIndex += 1;
        segmentFrame = 0;
    }
}

void stageMapStep()
{
    drawMapTiles();
    advanceScroll();
    hurtPlayerOnTiles();
}

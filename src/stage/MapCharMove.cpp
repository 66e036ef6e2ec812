// The map characters' per-frame step: each live record is tested against the
// player's shots and the craft and drawn while in view, then acts once its
// clock has passed its param2.
#include "stage/MapCharMove.h"

#include <algorithm>
#include <cstdint>

#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "effects/Effects.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharRules.h"

namespace {

constexpr int kDestroyedEffect = 35;
constexpr int kCraftDestroyedEffect = 27;

MapChar* recordAt(int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= mapChars.size())
        return nullptr;
    return &mapChars[static_cast<size_t>(index)];
}

bool overlaps(const MapChar& record, int32_t screenX, int32_t screenY, const GameObject& obj)
{
    return obj.boxRight() > screenX + record.hitLeft && obj.boxLeft() < screenX + record.hitRight &&
           obj.boxBottom() > screenY + record.hitTop && obj.boxTop() < screenY + record.hitBottom;
}

// A destroyed record only turns dead; its explosion rises from the emitter
// placed where it was drawn.
void destroyRecord(MapChar& record, int32_t screenX, int32_t screenY)
{
    record.dead = true;
    if (!g_mapEmitterObject)
        return;
    g_mapEmitterObject->setX(static_cast<float>(screenX));
    g_mapEmitterObject->setY(static_cast<float>(screenY));
    spawnEffect(g_mapEmitterObject, kDestroyedEffect);
}

// map - camera, held inside the int range for records placed far off the map.
int32_t screenCoordinate(int32_t map, int32_t camera)
{
    int64_t screen = int64_t{map} - camera;
    return static_cast<int32_t>(std::clamp<int64_t>(screen, INT32_MIN, INT32_MAX));
}

const platform::Texture* tileSheet()
{
    return g_texMapCount > 0 ? g_texMap[0] : nullptr;
}

void drawCell(const MapChar& record, float x, float y)
{
    drawSprite(tileSheet(), x, y, static_cast<float>(record.width),
               static_cast<float>(record.height), record.u, record.du, record.v, record.dv);
}

// A beam is a row or column of cells from its base out to its current tip.
void drawBeam(const MapChar& record, int32_t screenX, int32_t screenY)
{
    const int32_t w = record.width;
    const int32_t h = record.height;
    if (w <= 0 || h <= 0)
        return;
    float x = static_cast<float>(screenX);
    float y = static_cast<float>(screenY);
    switch (record.param0) {
    case 0:
        for (int32_t k = 0; k < 1 - record.hitLeft / w; ++k)
            drawCell(record, x + static_cast<float>(record.hitLeft + k * w), y);
        break;
    case 1:
        for (int32_t k = 1; k <= record.hitRight / w; ++k)
            drawCell(record, x + static_cast<float>(record.hitRight - k * w), y);
        break;
    case 2:
        for (int32_t k = 0; k < 1 - record.hitTop / h; ++k)
            drawCell(record, x, y + static_cast<float>(record.hitTop + k * h));
        break;
    case 3:
        for (int32_t k = 1; k <= record.hitBottom / h; ++k)
            drawCell(record, x, y + static_cast<float>(record.hitBottom - k * h));
        break;
    default:
        break;
    }
}

void drawMapChar(const MapChar& record, int32_t screenX, int32_t screenY)
{
    switch (record.type) {
    case 1:
        drawBeam(record, screenX, screenY);
        break;
    case 7:
        // The rotating turret draws itself as it turns.
        break;
    default:
        drawCell(record, static_cast<float>(screenX), static_cast<float>(screenY));
        break;
    }
}

}  // namespace

void hitMapCharByShots(int32_t index, int32_t screenX, int32_t screenY)
{
    MapChar* record = recordAt(index);
    if (!record)
        return;
    GameObject* shot = g_shotList;
    while (shot) {
        if (!overlaps(*record, screenX, screenY, *shot)) {
            shot = shot->next;
            continue;
        }
        record->hp -= shot->power();
        shot->setHp(shot->hp() - record->power);
        record->hitFlash = true;
        bool shotUsedUp = shot->hp() < 1;
        if (record->hp < 1) {
            destroyRecord(*record, screenX, screenY);
            if (shotUsedUp) {
                onDestroyed(*shot);
                removeObject(&g_shotList, shot);
            }
            return;
        }
        if (shotUsedUp) {
            onDestroyed(*shot);
            shot = removeObject(&g_shotList, shot);
        } else {
            shot = shot->next;
        }
    }
}

void hitMapCharByPlayer(int32_t index, int32_t screenX, int32_t screenY)
{
    MapChar* record = recordAt(index);
    GameObject* player = g_playerObject;
    if (!record || !player || g_worldFrozen)
        return;
    if (!overlaps(*record, screenX, screenY, *player))
        return;
    record->hitFlash = true;
    record->hp -= player->power();
    if (record->hp < 1) {
        destroyRecord(*record, screenX, screenY);
        return;
    }
    player->setHp(player->hp() - record->power);
    player->setGreen(0);
    player->setBlue(0);
    if (player->hp() < 1 && !g_gameOver) {
        g_gameOver = true;
        spawnEffect(player, kCraftDestroyedEffect);
    }
}

void mapCharAction(MapChar& record, const MapCharView& view)
{
    switch (record.type) {
    case 0:
        break;
    case 1:
        beamAction(record);
        break;
    case 2:
        crawlerAction(record);
        break;
    case 3:
        hatchAction(record, view);
        break;
    case 4:
        fixedTurretAction(record, view);
        break;
    case 5:
        spiralTurretAction(record, view, 1);
        break;
    case 6:
        spiralTurretAction(record, view, 4);
        break;
    case 7:
        rotatingTurretAction(record, view);
        break;
    default:
        generatorAction(record, view);
        break;
    }
}

void mapCharsStep()
{
    setNormalBlend();
    // The camera as it stands before this frame's scroll.
    updateCamera();
    const int32_t camX = cameraX;
    const int32_t camY = cameraY;
    for (size_t i = 0; i < mapChars.size(); ++i) {
        MapChar& record = mapChars[i];
        if (record.dead)
            continue;
        MapCharView view;
        view.screenX = screenCoordinate(record.mapX, camX);
        view.screenY = screenCoordinate(record.mapY, camY);
        view.onScreen = -record.width < view.screenX && view.screenX < 640 &&
                        -record.height < view.screenY && view.screenY < 480;
        if (view.onScreen) {
            const auto index = static_cast<int32_t>(i);
            hitMapCharByShots(index, view.screenX, view.screenY);
            if (!record.dead)
                hitMapCharByPlayer(index, view.screenX, view.screenY);
            if (!record.dead)
                drawMapChar(record, view.screenX, view.screenY);
        }
        if (!record.dead && record.clock > record.param2 && !g_worldFrozen)
            mapCharAction(record, view);
        record.clock += record.speed;
    }
}

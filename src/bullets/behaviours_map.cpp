// Turret bullets that belong to a map character: they fly out from it in map
// coordinates, so they scroll with the map, and live as long as it says.
#include <cmath>

#include "bullets/BulletRules.h"
#include "graphics/Sprites.h"
#include "objects/GameObject.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

namespace bullets {

namespace {

constexpr float kTileCell = 0.0625f;

const MapChar* ownerOf(const GameObject& b)
{
    int32_t index = b.ownerIndex();
    if (index < 0 || index >= mapCharCount || static_cast<size_t>(index) >= mapChars.size())
        return nullptr;
    return &mapChars[static_cast<size_t>(index)];
}

}  // namespace

void updateBulletMapAnchored(GameObject& b)
{
    const MapChar* owner = ownerOf(b);
    if (!owner) {
        b.kill();
        return;
    }
    // vx, vy are the offset from the map character; kind 32 flies at its
    // speed, kind 33 at aux (the same value unless something changed it).
    float distance = b.kind() == 32 ? b.speed() : b.aux();
    b.setVx(static_cast<float>(b.vx() + distance * std::cos(b.angle() * kDegToRad)));
    b.setVy(static_cast<float>(b.vy() + distance * std::sin(b.angle() * kDegToRad)));
    b.setX(owner->mapX + b.vx() - cameraX);
    b.setY(owner->mapY + b.vy() - cameraY);
    float row = b.kind() == 32 ? 0.6875f : 0.75f;
    drawSpriteRotated(mapTilePage(), b.x(), b.y(), 26, 26, b.cell() * kTileCell, kTileCell, row,
                      kTileCell, truncInt(b.angle()));
    b.incrementTimer();
    if (b.timer() % 5 == 0) {
        nextCell(b, 0, 7);
        // Spiral-turret bullets curve, the way the turret turns.
        if (b.kind() == 33)
            b.setAngle(owner->param0 != 0 ? b.angle() - 1 : b.angle() + 1);
    }
    leaveScreen(b);
    if (b.timer() == b.step())
        b.kill();
}

}  // namespace bullets

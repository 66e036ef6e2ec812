// Bullet creation: the spawn point, the kind table's starting values, the
// direction cells of the directional sprites, and the kinds' special rules.
#include "bullets/BulletSpawn.h"

#include <cmath>

#include "bullets/BulletKinds.h"
#include "bullets/BulletRules.h"
#include "objects/ObjectList.h"
#include "stage/MapCharMove.h"

using namespace bullets;

namespace {

// Directional sprites: 36 headings 5 degrees apart over half a turn (a
// needle looks the same both ways), 32 cells on one row and 4 on the next.
// The top texture coordinates of those two rows, for kind 1 and for 15, 25, 28.
struct DirectionRows {
    float first, second;
};
constexpr DirectionRows kNeedleRows = {0.125f, 0.15625f};
constexpr DirectionRows kRiceRows = {0.0625f, 0.09375f};

bool isDirectional(int kind) { return kind == 1 || kind == 15 || kind == 25 || kind == 28; }

// The half-turn is taken into 0..179 before the cell is chosen, so that a
// negative heading shows its own direction rather than a cell left of the row.
void directionCell(int kind, double angle, int32_t& cell, float& anim)
{
    int32_t half = truncInt(angle) % 180;
    if (half < 0)
        half += 180;
    int32_t d = half / 5;
    DirectionRows rows = kind == 1 ? kNeedleRows : kRiceRows;
    if (d > 31) {
        cell = d - 31;
        anim = rows.second;
    } else {
        cell = d;
        anim = rows.first;
    }
}

bool ownerExists(int32_t index)
{
    return index >= 0 && index < mapCharCount && static_cast<size_t>(index) < mapChars.size();
}

bool followsMapChar(int kind) { return kind == 32 || kind == 33; }

}  // namespace

GameObject* spawnBullet(GameObject* source, int kind, double angle)
{
    if (!source || !bulletKindRow(kind))
        return nullptr;
    if (followsMapChar(kind) && (!g_mapEmitterObject || !ownerExists(g_mapEmitterObject->ownerIndex())))
        return nullptr;
    float x = std::trunc(source->x() + source->width() / 3);
    float y = std::trunc(source->y() + source->height() / 2);
    spawnInto(&g_bulletList, &g_lastBullet, 4, kind, x, y);
    initBullet(*g_lastBullet, angle);
    return g_lastBullet;
}

void initBullet(GameObject& bullet, double angle)
{
    const BulletKindRow* row = bulletKindRow(bullet.kind());
    if (!row)
        return;
    bool aimed = row->angleFrom == BulletAngle::Aim || row->velocity == BulletVelocity::Aim;
    double aim = aimed ? aimAngle(bullet) : 0.0;
    double stored = angle;
    switch (row->angleFrom) {
    case BulletAngle::Aim: stored = aim; break;
    case BulletAngle::Given: stored = angle; break;
    case BulletAngle::Fixed: stored = row->fixedAngle; break;
    case BulletAngle::GivenBy120: stored = angle / 120; break;
    }

    int32_t cell = 0;
    float anim = 0;
    if (isDirectional(bullet.kind()))
        directionCell(bullet.kind(), angle, cell, anim);
    else if (bullet.kind() >= 38 && bullet.kind() <= 45)
        cell = 150;

    bullet.init(row->width, row->height, row->hitLeft, row->hitTop, row->hitRight,
                row->hitBottom, cell, row->hp, row->power, row->speed, stored, 255, anim, 0);

    switch (row->velocity) {
    case BulletVelocity::None: break;
    case BulletVelocity::Aim: velocityFrom(bullet, aim, row->magnitude); break;
    case BulletVelocity::Given: velocityFrom(bullet, angle, row->magnitude); break;
    case BulletVelocity::Centre:
        bullet.setVx(bullet.x());
        bullet.setVy(bullet.y());
        break;
    case BulletVelocity::Offsets:
        bullet.setVx(0);
        bullet.setVy(0);
        break;
    case BulletVelocity::GivenY: bullet.setVy(static_cast<float>(angle)); break;
    }

    // A spiral arm given a negative angle turns the other way.
    if (bullet.kind() == 10 && angle < 0)
        bullet.toggleFlag();
    if (followsMapChar(bullet.kind()) && g_mapEmitterObject) {
        int32_t owner = g_mapEmitterObject->ownerIndex();
        bullet.setOwnerIndex(owner);
        // The map character's param1 is the bullet's lifetime in steps.
        if (ownerExists(owner))
            bullet.setStep(mapChars[static_cast<size_t>(owner)].param1);
    }
}

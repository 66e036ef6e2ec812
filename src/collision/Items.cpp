// Scattering items, and the item pass that draws, drifts and scrolls them.
#include "collision/Items.h"

#include "app/PrecomputedTables.h"
#include "collision/ItemKinds.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"

namespace {

constexpr int kCategoryItem = 6;
// The last ring of the scatter table: 69 points of radius 176 from entry 340.
constexpr int kOuterRingFirst = 340;
constexpr int kOuterRingCount = kRingOffsetCount - kOuterRingFirst;
constexpr float kCellWidth = 0.0625f;
constexpr int kFramesPerPicture = 5;
constexpr int kPictures = 4;

const int32_t* scatterOffset(int i)
{
    if (i < kRingOffsetCount)
        return g_ringOffsets[i];
    return g_ringOffsets[kOuterRingFirst + (i - kRingOffsetCount) % kOuterRingCount];
}

void initItem(GameObject& item, const ItemKindRow& row)
{
    item.init(row.width, row.height, row.hitLeft, row.hitTop, row.hitRight, row.hitBottom,
              row.cell, row.hp, row.power, row.speed, row.angle, row.alpha, row.anim, row.value);
}

void drawItem(GameObject& item)
{
    bindTexture(g_texPowerCount > 0 ? g_texPower[0] : nullptr);
    enableAlphaBlend();
    setNormalBlend();
    platform::Vertex quad[4];
    objectQuad(quad, item, objectFadeColour(item), 0.5f + item.anim() * kCellWidth, kCellWidth,
               0.5f, kCellWidth);
    drawQuad(quad);
}

// The picture steps through its four columns, one every five frames; each
// full turn the item slows its rightward drift by one, comes to rest, then
// scrolls left ever faster until it is gone past the left edge.
void updateItem(GameObject& item)
{
    if (item.cell() == kFramesPerPicture - 1) {
        item.setCell(0);
        if (item.anim() != kPictures - 1) {
            item.setAnim(item.anim() + 1);
        } else {
            item.setSpeed(item.speed() + 1);
            item.setAnim(0);
        }
    } else {
        item.setCell(item.cell() + 1);
    }
    if (item.x() < -32)
        item.kill();
    item.setX(item.x() - item.speed());
}

void updateInWalk(GameObject**, GameObject** cur) { updateItem(**cur); }

}  // namespace

void spawnItems(const GameObject* source, int kind, int count)
{
    if (!source || kind < 0 || kind >= kItemKindCount)
        return;
    const float centreX = source->x() + source->width() / 2;
    const float centreY = source->y() + source->height() / 2;
    for (int i = 0; i < count; ++i) {
        GameObject* item = spawnInto(&g_itemList, &g_lastItem, kCategoryItem, kind, 0, 0);
        initItem(*item, kItemKindTable[kind]);
        const int32_t* offset = scatterOffset(i);
        item->setX(centreX + offset[0]);
        item->setY(centreY + offset[1]);
    }
}

void itemPass()
{
    walkList(&g_itemList, drawItem, updateInWalk, true);
}

// The enemy pass and the per-kind drawing table.
#include "enemies/EnemyPass.h"

#include <cmath>

#include "enemies/EnemySpawn.h"
#include "enemies/EnemyUpdate.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"

namespace {

// E is the enemy sheet set, S the enemy-bullet sheet set.
enum class EnemySheet { E, S };
enum class Drawing { Normal, Additive, Rotated };

// The four numbers are texture coordinates: anim picks a cell of width uStep
// along u, starting at uOffset; the row spans vOffset..vOffset + vSize.
struct EnemyDrawRow {
    EnemySheet sheet;
    int page;
    float uStep, uOffset, vSize, vOffset;
    Drawing drawing;
};

constexpr EnemySheet E = EnemySheet::E;
constexpr Drawing N = Drawing::Normal;

// kind: texture (sheet, page), uStep, uOffset, vSize, vOffset, drawing
constexpr EnemyDrawRow kEnemyDrawTable[kEnemyKinds] = {
    /* 0 */ {E, 0, 1, 0, 1, 0, N},
    /* 1 */ {E, 1, 0.5f, 0.5f, 0.5f, 0, N},
    /* 2 */ {E, 2, 0.125f, 0, 0.125f, 0, N},
    /* 3 */ {E, 2, 0.125f, 0, 0.125f, 0.125f, N},
    /* 4 */ {E, 0, 0.5f, 0, 0.5f, 0, Drawing::Additive},
    /* 5 */ {E, 2, 0.125f, 0, 0.125f, 0.25f, N},
    /* 6 */ {E, 2, 0.125f, 0, 0.125f, 0.375f, N},
    /* 7 */ {E, 1, 0.25f, 0, 0.25f, 0.5f, N},
    /* 8 */ {E, 1, 0.25f, 0, 0.25f, 0.75f, N},
    /* 9 */ {E, 3, 1, 0, 1, 0, N},
    /* 10 */ {E, 0, 1, 0, 1, 0, N},
    /* 11 */ {E, 0, 1, 0, 1, 0, N},
    /* 12 */ {E, 2, 0.375f, 0, 0.375f, 0.625f, N},
    /* 13 */ {E, 1, 0.125f, 0.375f, 0.125f, 0.75f, N},
    /* 14 */ {E, 2, 0.125f, 0, 0.125f, 0.375f, N},
    /* 15 */ {E, 1, 0.125f, 0.375f, 0.125f, 0.875f, N},
    /* 16 */ {E, 1, 0.125f, 0.375f, 0.125f, 0.875f, N},
    /* 17 */ {E, 5, 1, 0, 0.75f, 0, N},
    /* 18 */ {E, 4, 1, 0, 0.5f, 0, Drawing::Rotated},
    /* 19 */ {E, 4, 1, 0, 0.5f, 0.5f, Drawing::Rotated},
    /* 20 */ {EnemySheet::S, 3, 0.0625f, 0.5f, 0.0625f, 0.25f, N},
    /* 21 */ {EnemySheet::S, 3, 0.0625f, 0.5f, 0.0625f, 0.25f, N},
};

// The arms' corners lie this far from their centre at these angles past the
// arm's own: a rectangle of about 514 x 251 pixels.
constexpr double kArmRadius = 286;
constexpr int kArmCorners[4] = {206, 333, 26, 153};

const platform::Texture* sheetPage(const EnemyDrawRow& row)
{
    platform::Texture** set = row.sheet == EnemySheet::E ? g_texEnemy : g_texEnemyShot;
    int count = row.sheet == EnemySheet::E ? g_texEnemyCount : g_texEnemyShotCount;
    return set && row.page < count ? set[row.page] : nullptr;
}

void armQuad(platform::Vertex quad[4], const GameObject& arm, uint32_t argb)
{
    for (int i = 0; i < 4; ++i) {
        double a = (arm.angle() + kArmCorners[i]) * kDegToRad;
        float px = static_cast<float>(arm.x() + std::cos(a) * kArmRadius);
        float py = static_cast<float>(arm.y() + std::sin(a) * kArmRadius);
        quad[i] = spriteVertex(px, py, argb, 0, 0);
    }
}

}  // namespace

void drawEnemy(const GameObject& enemy)
{
    if (enemy.kind() < 0 || enemy.kind() >= kEnemyKinds)
        return;
    const EnemyDrawRow& row = kEnemyDrawTable[enemy.kind()];
    // The filter is left as it is, so sprites drawn after an additive or
    // rotated enemy keep the linear filter until another pass sets it.
    if (row.drawing == Drawing::Additive) {
        setAdditiveBlend();
        setLinearMagFilter();
    } else if (row.drawing == Drawing::Rotated) {
        setNormalBlend();
        setLinearMagFilter();
    } else {
        setNormalBlend();
    }
    bindTexture(sheetPage(row));
    float u = enemy.anim() * row.uStep + row.uOffset;
    platform::Vertex quad[4];
    if (row.drawing == Drawing::Rotated) {
        armQuad(quad, enemy, objectColour(enemy));
        setQuadTexCoords(quad, u, row.uStep, row.vOffset, row.vSize);
    } else {
        objectQuad(quad, enemy, objectColour(enemy), u, row.uStep, row.vOffset, row.vSize);
    }
    drawQuad(quad);
}

void enemyPass()
{
    GameObject* cur = g_enemyList;
    while (cur) {
        drawEnemy(*cur);
        updateEnemy(&g_enemyList, &cur);
    }
}

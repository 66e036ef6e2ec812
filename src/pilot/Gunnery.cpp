// Targets, sub-weapons and the special attack.
#include "pilot/Gunnery.h"

#include <algorithm>
#include <cmath>

#include "app/PlayFlags.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

namespace pilot {

namespace {

constexpr int kSpecialCost = 700;
// The stage bosses and the parts of them that pass damage on.
bool isBoss(int kind)
{
    return kind == 1 || kind == 7 || kind == 8 || kind == 9 || kind == 10 || kind == 17 ||
           kind == 18 || kind == 19;
}

bool worthShooting(const GameObject& e)
{
    if (e.hitRight() <= e.hitLeft() || e.hitBottom() <= e.hitTop())
        return false;
    return e.kind() != 11 && (e.hp() < 100000 || e.kind() == 18 || e.kind() == 19);
}

Box boxOf(const GameObject& e)
{
    return {e.boxLeft(), e.boxTop(), e.boxRight(), e.boxBottom()};
}

// How much the craft has to move to fire at box, lower is better.
float effort(const Box& box, float craftX, float craftY)
{
    float lineY = craftY + 30;
    float centre = (box.top + box.bottom) / 2;
    float dy = std::fabs(centre - lineY);
    float behind = box.right < craftX + 60 ? 400.0f : 0.0f;
    return dy + behind + std::max(0.0f, box.left - craftX) * 0.2f;
}

}  // namespace

Target chooseTarget(const TrackSet& enemies, float craftX, float craftY)
{
    Target best;
    float bestEffort = 1e30f;
    for (const Track& t : enemies.tracks) {
        const GameObject& e = *t.object;
        if (!worthShooting(e))
            continue;
        Box box = boxOf(e);
        if (box.right < 0 || box.left > 640 || box.bottom < 0 || box.top > 480)
            continue;
        bool boss = isBoss(e.kind());
        float cost = effort(box, craftX, craftY) - (boss ? 300.0f : 0.0f);
        if (cost < bestEffort) {
            bestEffort = cost;
            best = Target{true, box, boss};
        }
    }
    float viewX = static_cast<float>(cameraX);
    float viewY = static_cast<float>(cameraY);
    for (const MapChar& c : mapChars) {
        bool target = c.type == 2 || c.type == 3 || c.type == 7;
        if (c.dead || !target)
            continue;
        float sx = c.mapX - viewX;
        float sy = c.mapY - viewY;
        Box box = {sx + c.hitLeft, sy + c.hitTop, sx + c.hitRight, sy + c.hitBottom};
        if (box.right < 0 || box.left > 620 || box.bottom < 0 || box.top > 480)
            continue;
        float cost = effort(box, craftX, craftY) + 40;
        if (cost < bestEffort) {
            bestEffort = cost;
            best = Target{true, box, false};
        }
    }
    return best;
}

Aim aimFor(const Target& target, float craftX)
{
    Aim aim;
    if (!target.has)
        return aim;
    aim.has = true;
    float top = std::max(target.box.top, 0.0f);
    float bottom = std::min(target.box.bottom, 480.0f);
    aim.lineY = (top + bottom) / 2;
    aim.standX = std::clamp(target.box.left - 220, -20.0f, 330.0f);
    if (target.box.left < craftX + 60)
        aim.standX = std::clamp(target.box.left - 120, -32.0f, 330.0f);
    aim.weight = target.boss ? 1.0f : 0.6f;
    return aim;
}

Weapons chooseWeapons(const Target& target, const SteeringResult& steering, const TrackSet& bullets,
                      float craftX, float craftY, const Weapons& held)
{
    Weapons w;
    // The special clears the bullets but freezes the craft while the tiles
    // still hurt: no use against a wall.
    bool canSpecial = g_specialInUse == 0 && g_gauge >= kSpecialCost && steering.tileDamage == 0;
    if (canSpecial && (steering.soonDamage >= 1000 || steering.danger >= 2500) && !held.special) {
        w.special = true;
        return w;
    }
    int type = g_subWeapon;
    float cost = static_cast<float>(g_gaugeCost[kCostSubWeapon0 + type]);
    float spare = g_gauge - cost;
    bool reserve = spare >= kSpecialCost || (target.boss && spare >= 0 && g_gauge > 900);
    bool lined = target.has && std::fabs((target.box.top + target.box.bottom) / 2 - (craftY + 30)) <
                                   std::max(24.0f, (target.box.bottom - target.box.top) / 2) &&
                 target.box.right > craftX + 60;
    Box sword = {craftX + 30, craftY - 40, craftX + 125, craftY + 85};
    int nearBullets = 0;
    for (const Track& t : bullets.tracks)
        if (std::fabs(t.x - craftX - 30) < 110 && std::fabs(t.y - craftY - 30) < 110)
            ++nearBullets;
    switch (type) {
    case 0: case 2:
        w.subWeapon = reserve && lined && !held.subWeapon;
        break;
    case 1:
        w.subWeapon = reserve && target.has && overlaps(sword, target.box) && !held.subWeapon;
        break;
    case 3:
        w.subWeapon = reserve && target.boss && !held.subWeapon;
        break;
    case 4:
        // The slowing field stays while the button is held.
        w.subWeapon = g_gauge > 60 && (steering.danger > 400 || nearBullets >= 6);
        break;
    case 5:
        w.subWeapon = g_gauge > 120 && (held.subWeapon ? nearBullets >= 2 : nearBullets >= 5);
        break;
    case 6:
        w.subWeapon = target.boss && g_gauge >= 999 && !held.subWeapon;
        break;
    default: {
        // The orb flies right while the button is held and raises its pillar
        // where it is let go: under the target.
        const GameObject* orb = nullptr;
        for (const GameObject* e = g_effectFrontList; e; e = e->next)
            if (e->kind() == 31)
                orb = e;
        if (orb)
            w.subWeapon = target.has && orb->x() + 16 < target.box.left;
        else
            w.subWeapon = reserve && lined && !held.subWeapon;
        break;
    }
    }
    return w;
}

}  // namespace pilot

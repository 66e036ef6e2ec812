// The enemies and the map as hazards: enemies carried on along their observed
// motion; map characters and tiles moved with the view.
#include <algorithm>
#include <cmath>

#include "objects/GameObject.h"
#include "pilot/Hazards.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

namespace pilot {

namespace {

// Map characters that the craft can touch safely: one hit point, so the
// contact destroys them before they can hurt.
bool harmlessToTouch(const MapChar& c) { return c.hp <= 1 || c.power <= 1; }

// A beam's box k frames on, grown towards its full length in its direction.
Box beamBox(const MapChar& c, float sx, float sy, int k)
{
    Box b = {sx + c.hitLeft, sy + c.hitTop, sx + c.hitRight, sy + c.hitBottom};
    float grow = static_cast<float>(c.speed * k);
    switch (c.param0) {
    case 0: b.left = std::max(b.left - grow, sx - c.param1 - c.speed); break;
    case 1: b.right = std::min(b.right + grow, sx + c.param1 + c.speed); break;
    case 2: b.top = std::max(b.top - grow, sy - c.param1 - c.speed); break;
    default: b.bottom = std::min(b.bottom + grow, sy + c.param1 + c.speed); break;
    }
    return b;
}

}  // namespace

void gatherEnemyHazards(const TrackSet& enemies, HazardField& field)
{
    for (const Track& t : enemies.tracks) {
        const GameObject& e = *t.object;
        if (e.hitRight() <= e.hitLeft() || e.hitBottom() <= e.hitTop() || e.power() <= 0)
            continue;
        Hazard h;
        h.damage = static_cast<float>(e.power());
        h.drift = t.age > 2 ? 0.6f : 1.5f;
        for (int k = 1; k <= kHorizon; ++k) {
            float x = t.x + t.vx * k;
            float y = t.y + t.vy * k;
            h.at[k] = {x + e.hitLeft(), y + e.hitTop(), x + e.hitRight(), y + e.hitBottom()};
        }
        fillReach(h);
        field.hazards.push_back(h);
    }
}

void gatherMapHazards(HazardField& field)
{
    field.viewX = static_cast<float>(scrollTileX * 32 + scrollPixelX);
    field.viewY = static_cast<float>(scrollTileY * 32 + scrollPixelY);
    field.viewVx = 0;
    field.viewVy = 0;
    if (segmentIndex >= 0 && segmentIndex < scrollSegmentCount) {
        const ScrollSegment& s = scrollSegments[segmentIndex];
        if (s.frames > 0) {
            field.viewVx = static_cast<float>(s.dx * s.speed) / 1000;
            field.viewVy = static_cast<float>(s.dy * s.speed) / 1000;
        }
    }
    for (const MapChar& c : mapChars) {
        if (c.dead || c.type >= 8 || harmlessToTouch(c))
            continue;
        // The characters meet the craft before this frame's scroll.
        float sx = c.mapX - field.viewX;
        float sy = c.mapY - field.viewY;
        if (sx < -200 || sx > 840 || sy < -200 || sy > 680)
            continue;
        Hazard h;
        h.damage = static_cast<float>(c.power);
        for (int k = 1; k <= kHorizon; ++k) {
            float x = sx - field.viewVx * k;
            float y = sy - field.viewVy * k;
            if (x <= -c.width || x >= 640 || y <= -c.height || y >= 480) {
                h.at[k] = {-1000, -1000, -1000, -1000};
                continue;
            }
            if (c.type == 1)
                h.at[k] = beamBox(c, x, y, k);
            else
                h.at[k] = {x + c.hitLeft, y + c.hitTop, x + c.hitRight, y + c.hitBottom};
        }
        // Crawlers creep a pixel a frame along their walls.
        h.drift = c.type == 2 ? 1.0f : 0.0f;
        fillReach(h);
        field.hazards.push_back(h);
    }
}

bool boxOnTiles(const Box& box, float viewX, float viewY)
{
    auto solid = [&](float sx, float sy) {
        int column = static_cast<int>(std::floor((sx + viewX) / 32));
        int row = static_cast<int>(std::floor((sy + viewY) / 32));
        if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows)
            return false;
        return mapTiles[column][row] != 0;
    };
    return solid(box.left, box.top) || solid(box.right, box.top) || solid(box.right, box.bottom) ||
           solid(box.left, box.bottom);
}

}  // namespace pilot

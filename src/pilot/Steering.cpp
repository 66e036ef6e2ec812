// The sweep of candidate moves against the hazards.
#include "pilot/Steering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pilot {

namespace {

constexpr int kHoldChoices[] = {1, 3, 6, kHorizon};
constexpr float kTileDamage = 300;
// Contacts this many frames ahead or fewer count as hardly avoidable.
constexpr int kSoonFrames = 3;

float weightAt(int k) { return k <= 3 ? 1.0f : std::pow(0.93f, static_cast<float>(k - 3)); }

struct Path {
    float x[kHorizon + 1];
    float y[kHorizon + 1];
};

Path pathOf(const Move& m, float x, float y)
{
    Path p;
    p.x[0] = x;
    p.y[0] = y;
    float speed = m.focus ? kCraftFocusSpeed : kCraftSpeed;
    for (int k = 1; k <= kHorizon; ++k) {
        bool moving = k <= m.frames;
        p.x[k] = craftStep(p.x[k - 1], moving ? m.dx : 0, speed, kCraftMinX, kCraftMaxX);
        p.y[k] = craftStep(p.y[k - 1], moving ? m.dy : 0, speed, kCraftMinY, kCraftMaxY);
    }
    return p;
}

// The missile flies straight until its x passes the craft's, then turns up
// or down towards the craft at 10 a frame.
Box missileAt(const TurningMissile& m, const Path& p, int k, float* vx, float* vy, float* x,
              float* y, bool* turned)
{
    *x += *vx;
    *y += *vy;
    if (!*turned && *x < p.x[k]) {
        *turned = true;
        *vx = 0;
        *vy = *y >= p.y[k] ? -10.0f : 10.0f;
    }
    return {*x + m.hit.left, *y + m.hit.top, *x + m.hit.right, *y + m.hit.bottom};
}

bool rowTouches(const DiscRow& row, int k, float cx, float cy)
{
    float px = row.originX[k];
    float py = row.originY[k];
    float r2 = row.radius * row.radius;
    for (int i = 0; i < row.count; ++i) {
        px += row.stepX[k];
        py += row.stepY[k];
        float dx = cx - px;
        float dy = cy - py;
        if (dx * dx + dy * dy < r2)
            return true;
    }
    return false;
}

// Tiles that the scroll will bring onto a craft that stays where it is,
// looked for up to 96 pixels beyond the horizon along the scroll: the craft
// should leave their way early, before walls and the screen's edge close in.
float tilePressure(const HazardField& field, float x, float y)
{
    float speed = std::hypot(field.viewVx, field.viewVy);
    if (!field.tilesHurt || speed == 0)
        return 0;
    float ux = field.viewVx / speed;
    float uy = field.viewVy / speed;
    float baseX = field.viewX + field.viewVx * (kHorizon + 1);
    float baseY = field.viewY + field.viewVy * (kHorizon + 1);
    Box craft = grown(craftBox(x, y), 2);
    float cost = 0;
    float weight = 200;
    for (int ahead = 12; ahead <= 96; ahead += 12) {
        if (boxOnTiles(craft, baseX + ux * ahead, baseY + uy * ahead))
            cost += weight;
        weight *= 0.85f;
    }
    return cost;
}

float placeCost(const Aim& aim, float x, float y)
{
    float cost = 0;
    // The screen's edges leave no room to dodge.
    float cx = x + 38;
    float cy = y + 35;
    if (cx < 40) cost += (40 - cx) * 2;
    if (cx > 520) cost += (cx - 520) * 2;
    if (cy < 40) cost += (40 - cy) * 2;
    if (cy > 440) cost += (cy - 440) * 2;
    if (aim.has) {
        cost += std::min(std::fabs(y + 30 - aim.lineY), 240.0f) * aim.weight;
        cost += std::fabs(x - aim.standX) * 0.25f * aim.weight;
    } else {
        cost += std::fabs(cy - 240) * 0.2f + std::fabs(x - 100) * 0.1f;
    }
    return cost;
}

}  // namespace

SteeringResult steer(const HazardField& field, float craftX, float craftY, const Aim& aim,
                     const Move& previous)
{
    // Only what can come near the craft within the horizon matters.
    float reachAround = kCraftSpeed * kHorizon + 24;
    Box reach = grown(craftBox(craftX, craftY), reachAround);
    std::vector<const Hazard*> near;
    for (const Hazard& h : field.hazards)
        if (overlaps(grown(h.reach, h.drift * kHorizon + 2), reach))
            near.push_back(&h);

    std::vector<Move> moves;
    moves.push_back(Move{0, 0, false, kHorizon});
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            for (bool focus : {false, true})
                for (int frames : kHoldChoices)
                    moves.push_back(Move{dx, dy, focus, frames});
        }

    SteeringResult best;
    float bestCost = 1e30f;
    std::vector<char> hit(near.size());
    for (const Move& m : moves) {
        Path p = pathOf(m, craftX, craftY);
        std::fill(hit.begin(), hit.end(), 0);
        float danger = 0;
        float soon = 0;
        float tiles = 0;
        float closeness = 0;
        std::vector<TurningMissile> missiles = field.missiles;
        for (int k = 1; k <= kHorizon; ++k) {
            Box craft = craftBox(p.x[k], p.y[k]);
            float w = weightAt(k);
            for (size_t i = 0; i < near.size(); ++i) {
                const Hazard& h = *near[i];
                if (h.once && hit[i])
                    continue;
                Box box = grown(h.at[k], 0.5f + h.drift * k);
                if (overlaps(craft, box)) {
                    float d = h.damage * (h.known ? 1.0f : 0.6f);
                    danger += w * d;
                    if (k <= kSoonFrames)
                        soon += d;
                    hit[i] = 1;
                } else if (k <= 8 && overlaps(grown(craft, 6), box)) {
                    closeness += w * h.damage * 0.04f;
                }
            }
            for (TurningMissile& mi : missiles) {
                Box box = missileAt(mi, p, k, &mi.vx, &mi.vy, &mi.x, &mi.y, &mi.turned);
                if (mi.damage > 0 && overlaps(craft, grown(box, 1 + 0.3f * k))) {
                    danger += w * mi.damage;
                    mi.damage = 0;
                }
            }
            float cx = p.x[k] + 32;
            float cy = p.y[k] + 32;
            for (const DiscRow& row : field.rows)
                if (rowTouches(row, k, cx, cy))
                    danger += w * row.damage;
            if (field.tilesHurt) {
                float vx = field.viewX + field.viewVx * (k + 1);
                float vy = field.viewY + field.viewVy * (k + 1);
                if (boxOnTiles(craft, vx, vy)) {
                    tiles += w * kTileDamage;
                } else if (k <= 10 && boxOnTiles(grown(craft, 5), vx, vy)) {
                    closeness += w * 20;
                }
            }
        }
        float cost = danger + tiles + closeness + tilePressure(field, p.x[kHorizon], p.y[kHorizon]) +
                     placeCost(aim, p.x[kHorizon], p.y[kHorizon]) * 0.6f +
                     placeCost(aim, p.x[4], p.y[4]) * 0.4f;
        if (m.dx == previous.dx && m.dy == previous.dy && m.focus == previous.focus)
            cost -= 3;
        if (cost < bestCost) {
            bestCost = cost;
            best.move = m;
            best.danger = danger;
            best.soonDamage = soon;
            best.tileDamage = tiles;
        }
    }
    return best;
}

}  // namespace pilot

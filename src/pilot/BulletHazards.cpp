// Where the enemy bullets will be: straight flyers exactly, the kinds with a
// known rhythm (stop and turn, pause and dash, beams, bursts) by their rule
// and their age in sight, and the curving ones from their observed motion.
#include <algorithm>
#include <cmath>

#include "bullets/BulletPass.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "pilot/Hazards.h"

namespace pilot {

namespace {

constexpr float kDegToRadF = static_cast<float>(kDegToRad);

Box hitBoxAt(const GameObject& b, float x, float y)
{
    return {x + b.hitLeft(), y + b.hitTop(), x + b.hitRight(), y + b.hitBottom()};
}

Hazard bulletHazard(const GameObject& b)
{
    Hazard h;
    h.damage = static_cast<float>(b.power());
    h.once = b.hp() <= 1;
    return h;
}

// Observed motion carried on, with the change of velocity kept small.
void extrapolate(const GameObject& b, const Track& t, Hazard& h, float drift)
{
    float ax = std::clamp(t.ax, -1.0f, 1.0f);
    float ay = std::clamp(t.ay, -1.0f, 1.0f);
    for (int k = 1; k <= kHorizon; ++k) {
        float s = static_cast<float>(k * (k + 1)) / 2;
        h.at[k] = hitBoxAt(b, t.x + t.vx * k + ax * s, t.y + t.vy * k + ay * s);
    }
    h.drift = drift;
}

void straight(const GameObject& b, const Track& t, Hazard& h)
{
    for (int k = 1; k <= kHorizon; ++k)
        h.at[k] = hitBoxAt(b, t.x + b.vx() * k, t.y + b.vy() * k);
}

// Moves for 31 frames, stands for 10, then leaves 45 degrees further round at 8.
void stopAndTurn(const GameObject& b, const Track& t, Hazard& h)
{
    double turned = b.angle() > 180 ? b.angle() - 45 : b.angle() + 45;
    float fastX = static_cast<float>(std::cos(turned * kDegToRad) * 8);
    float fastY = static_cast<float>(std::sin(turned * kDegToRad) * 8);
    bool fast = b.step() == 1;
    float x = t.x;
    float y = t.y;
    for (int k = 1; k <= kHorizon; ++k) {
        int update = t.age + k;
        if (fast) {
            x += b.vx();
            y += b.vy();
        } else if (update <= 31) {
            x += b.vx();
            y += b.vy();
        } else if (update >= 42) {
            x += fastX;
            y += fastY;
        }
        h.at[k] = hitBoxAt(b, x, y);
    }
    h.drift = fast ? 0 : 0.3f;
}

// Moves for 21 frames, stands for 10, then dashes on at 13.
void pauseAndDash(const GameObject& b, const Track& t, Hazard& h)
{
    float dashX = static_cast<float>(std::cos(b.angle() * kDegToRad) * 13);
    float dashY = static_cast<float>(std::sin(b.angle() * kDegToRad) * 13);
    float x = t.x;
    float y = t.y;
    for (int k = 1; k <= kHorizon; ++k) {
        int update = b.step() + k;
        if (update <= 21) {
            x += b.vx();
            y += b.vy();
        } else if (update >= 32) {
            x += dashX;
            y += dashY;
        }
        h.at[k] = hitBoxAt(b, x, y);
    }
    h.drift = 0.3f;
}

// A layer that flies left dropping a dart every frame just below its own
// box: the darts it has yet to drop are part of it.
void scatterLayer(const GameObject& b, const Track& t, Hazard& h)
{
    for (int k = 1; k <= kHorizon; ++k) {
        float x = t.x - b.speed() * k;
        h.at[k] = {x - 4, t.y + b.hitTop() - 4, x + 36, t.y + 44};
    }
    h.drift = 0.2f;
}

// A column that warns for 25 frames before it hurts.
void verticalBeam(const GameObject& b, const Track& t, Hazard& h)
{
    int harmlessFor = b.hitRight() > 0 ? 0 : std::max(0, 26 - t.age - 1);
    for (int k = 1; k <= kHorizon; ++k) {
        if (k <= harmlessFor)
            h.at[k] = {-1000, -1000, -1000, -1000};
        else
            h.at[k] = {t.x, 0, t.x + 64, 480};
    }
}

// A row that warns at the right edge, then grows leftwards at its speed.
void horizontalBeam(const GameObject& b, const Track& t, Hazard& h)
{
    float top = t.y + b.hitTop();
    float bottom = t.y + b.hitBottom();
    for (int k = 1; k <= kHorizon; ++k) {
        if (t.x >= 700)
            h.at[k] = {-100, top, 701, bottom};
        else if (t.x >= -32)
            h.at[k] = {t.x - b.speed() * k + b.hitLeft(), top, t.x + b.hitRight(), bottom};
        else
            h.at[k] = hitBoxAt(b, t.x, t.y);
    }
}

// A shell that bursts into a ring of eighteen braking stars.
void starBurstRing(const GameObject& b, const Track& t, HazardField& field)
{
    int burstStep = 22 - t.age;
    if (burstStep < 1 || burstStep > kHorizon)
        return;
    float cx = t.x + b.vx() * burstStep;
    float cy = t.y + b.vy() * burstStep + 1;
    for (int i = 0; i < 18; ++i) {
        Hazard child;
        child.damage = 600;
        child.once = true;
        child.known = false;
        child.drift = 0.5f;
        float dx = std::cos(20 * i * kDegToRadF);
        float dy = std::sin(20 * i * kDegToRadF);
        float distance = 0;
        for (int k = 1; k <= kHorizon; ++k) {
            int n = k - burstStep;  // the child's updates so far, minus one
            if (n < 0) {
                child.at[k] = {-1000, -1000, -1000, -1000};
                continue;
            }
            distance += n == 0 ? 10.0f : std::max(2.0f, 10.0f - static_cast<float>((n + 4) / 5));
            float x = cx + dx * distance;
            float y = cy + dy * distance;
            child.at[k] = {x + 16, y + 16, x + 48, y + 48};
        }
        fillReach(child);
        field.hazards.push_back(child);
    }
}

void laser(const GameObject& b, const Track& t, HazardField& field)
{
    if (b.step() == 0)
        return;
    DiscRow row;
    row.count = 17;
    row.radius = 2.5f + 15;
    row.damage = 2000;
    double turn = t.turn;
    for (int k = 0; k <= kHorizon; ++k) {
        double a = (b.angle() + turn * (k + 1) + 8) * kDegToRad;
        row.originX[k] = t.x;
        row.originY[k] = t.y;
        row.stepX[k] = static_cast<float>(30 * std::cos(a));
        row.stepY[k] = static_cast<float>(30 * std::sin(a));
    }
    field.rows.push_back(row);
}

}  // namespace

void gatherBulletHazards(const TrackSet& bullets, HazardField& field)
{
    for (const Track& t : bullets.tracks) {
        const GameObject& b = *t.object;
        Hazard h = bulletHazard(b);
        switch (b.kind()) {
        case 0: case 1: case 6: case 15: case 22: case 28: case 31: case 35: case 40: case 41:
        case 42: case 43: case 45: case 1000: case 1001:
            straight(b, t, h);
            break;
        case 7:
            stopAndTurn(b, t, h);
            break;
        case 25:
            pauseAndDash(b, t, h);
            break;
        case 13:
            verticalBeam(b, t, h);
            break;
        case 16:
            horizontalBeam(b, t, h);
            break;
        case 38:
            scatterLayer(b, t, h);
            break;
        case 20:
            straight(b, t, h);
            starBurstRing(b, t, field);
            break;
        case 23:
            if (t.age >= 1) {
                TurningMissile m;
                m.x = t.x;
                m.y = t.y;
                m.vx = b.vx();
                m.vy = b.vy();
                m.hit = {b.hitLeft(), b.hitTop(), b.hitRight(), b.hitBottom()};
                m.damage = static_cast<float>(b.power());
                m.turned = !b.flag();
                field.missiles.push_back(m);
            }
            continue;
        case 29:
            laser(b, t, field);
            continue;
        case 2: case 14: case 24: case 39:
            extrapolate(b, t, h, 0.1f);
            break;
        case 32: case 33:
            // Map-anchored: straight out from the turret, turning a degree
            // every five frames, carried along by the scroll.
            extrapolate(b, t, h, t.age > 2 ? 0.08f : 1.0f);
            break;
        default:
            extrapolate(b, t, h, t.age > 2 ? 0.4f : 1.0f);
            break;
        }
        fillReach(h);
        field.hazards.push_back(h);
    }
}

}  // namespace pilot

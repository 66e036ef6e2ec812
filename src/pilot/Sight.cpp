// Following bullets and enemies between frames.
#include "pilot/Sight.h"

#include <cmath>

#include "objects/GameObject.h"

namespace pilot {

namespace {

// Farther than this from where it was heading, an object at a reused address
// is a new one.
constexpr float kSameObjectReach = 48;

}  // namespace

void observe(TrackSet& set, const GameObject* head,
             void (*firstVelocity)(const GameObject& object, Track& track))
{
    std::vector<Track> next;
    std::unordered_map<const GameObject*, std::size_t> nextIndex;
    for (const GameObject* o = head; o; o = o->next) {
        Track track;
        track.object = o;
        track.kind = o->kind();
        track.x = o->x();
        track.y = o->y();
        track.angle = o->angle();
        auto found = set.index.find(o);
        bool same = false;
        if (found != set.index.end()) {
            const Track& last = set.tracks[found->second];
            float ex = last.x + last.vx - o->x();
            float ey = last.y + last.vy - o->y();
            same = last.kind == o->kind() && std::fabs(ex) < kSameObjectReach &&
                   std::fabs(ey) < kSameObjectReach;
            if (same) {
                track.vx = o->x() - last.x;
                track.vy = o->y() - last.y;
                if (last.age > 1) {
                    track.ax = track.vx - last.vx;
                    track.ay = track.vy - last.vy;
                }
                double turn = o->angle() - last.angle;
                track.turn = std::fabs(turn) < 45 ? turn : 0;
                track.age = last.age + 1;
            }
        }
        if (!same)
            firstVelocity(*o, track);
        nextIndex.emplace(o, next.size());
        next.push_back(track);
    }
    set.tracks.swap(next);
    set.index.swap(nextIndex);
}

void bulletFirstVelocity(const GameObject& bullet, Track& track)
{
    switch (bullet.kind()) {
    case 0: case 1: case 6: case 7: case 15: case 20: case 21: case 22: case 23: case 25:
    case 26: case 28: case 31: case 35: case 40: case 41: case 42: case 43: case 45: case 46:
    case 1000: case 1001:
        track.vx = bullet.vx();
        track.vy = bullet.vy();
        break;
    case 47: case 48: case 49:
        track.vx = bullet.vx() * bullet.speed();
        track.vy = bullet.vy() * bullet.speed();
        break;
    case 34: case 38:
        track.vx = -bullet.speed();
        break;
    default:
        break;
    }
}

void enemyFirstVelocity(const GameObject& enemy, Track& track)
{
    switch (enemy.kind()) {
    case 0: case 5: case 7: case 16:
        track.vx = enemy.vx();
        track.vy = enemy.vy();
        break;
    default:
        break;
    }
}

}  // namespace pilot

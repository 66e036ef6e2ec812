// What the pilot sees of the moving objects: each bullet and enemy followed
// from frame to frame, with the velocity and the change of velocity that its
// positions show, and how long it has been in sight.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

class GameObject;

namespace pilot {

struct Track {
    const GameObject* object = nullptr;  // identity while it lives
    int kind = 0;
    float x = 0;
    float y = 0;
    float vx = 0;  // pixels per frame, from the last two positions
    float vy = 0;
    float ax = 0;  // change of velocity per frame
    float ay = 0;
    double angle = 0;  // the heading it shows, degrees
    double turn = 0;   // change of that heading per frame
    int age = 1;       // frames in sight, 1 on the frame it appears
};

// The tracks of one object list, renewed once a frame.
struct TrackSet {
    std::vector<Track> tracks;
    std::unordered_map<const GameObject*, std::size_t> index;
};

// Follows the list from head: an object is the same as last frame when it
// has the same address and kind and stands about where it was heading.
// firstVelocity gives a new object's velocity from what it shows on its
// first frame.
void observe(TrackSet& set, const GameObject* head,
             void (*firstVelocity)(const GameObject& object, Track& track));

// A new bullet's velocity from its kind: the straight flyers carry it in
// their velocity, the others are learnt from their motion.
void bulletFirstVelocity(const GameObject& bullet, Track& track);
void enemyFirstVelocity(const GameObject& enemy, Track& track);

}  // namespace pilot

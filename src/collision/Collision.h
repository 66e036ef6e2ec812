// The collision passes, run before anything moves in a stage frame. Each takes
// the addresses of two list heads; the craft is passed as a one-element list.
// Everything is decided on hit boxes.
#pragma once

class GameObject;

// True when the hit boxes overlap; boxes that only share an edge do not.
bool boxesOverlap(const GameObject& a, const GameObject& b);

// Items touched by the craft are collected for score; the craft is not harmed.
void collideItemsWithPlayer(GameObject** items, GameObject** players);
// Every overlapping shot hits every frame it overlaps; a used-up enemy gives
// its value, scatters as many items and is destroyed.
void collideEnemiesWithShots(GameObject** enemies, GameObject** shots);
// The craft against bullets or enemies: each contact costs the craft the
// other's power and the other one hit point. The craft is never removed; its
// destruction starts the game over.
void collidePlayerWithList(GameObject** players, GameObject** others);

// The contact spark of a player shot that hit something; a shot that stays in
// contact sparks every second frame.
void hitSpark(GameObject& shot, const GameObject& other);

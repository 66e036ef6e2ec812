// The object lists: doubly linked lists threaded through GameObject::next and
// prev, each nothing but a global head (null when empty). New objects go to the
// tail, so a walk visits the oldest first.
#pragma once

#include <cstdint>

#include "objects/GameObject.h"

extern GameObject* g_enemyList;        // enemies (category 0)
extern GameObject* g_bulletList;       // enemy bullets (category 4)
extern GameObject* g_shotList;         // player shots (category 2)
extern GameObject* g_itemList;         // items (category 6)
extern GameObject* g_effectBackList;   // effects drawn before the other lists (category 5)
extern GameObject* g_effectFrontList;  // effects drawn after the other lists (category 3)

// The object each list's spawner created last, through which it gives the new
// object its start values (null until the first spawn).
extern GameObject* g_lastEnemy;
extern GameObject* g_lastBullet;
extern GameObject* g_lastShot;
extern GameObject* g_lastItem;
extern GameObject* g_lastEffectBack;
extern GameObject* g_lastEffectFront;

// Creates GameObject(category, kind, x, y) at the tail of the list that anyNode
// belongs to and returns it. anyNode must not be null.
GameObject* appendObject(int32_t category, GameObject* anyNode, int32_t kind, float x, float y);

// Unlinks obj from the list whose head headAddress points at, deletes it and
// returns its successor (null at the tail). A null headAddress does nothing.
GameObject* removeObject(GameObject** headAddress, GameObject* obj);

// Deletes every object of the list; the head ends null.
void emptyList(GameObject** headAddress);

// The spawners' pattern: a new object becomes the head of an empty list or goes
// to the tail, and is remembered as the list's last-created object. The caller
// then gives it its per-kind start values.
GameObject* spawnInto(GameObject** headAddress, GameObject** lastCreated, int32_t category,
                      int32_t kind, float x, float y);

// Moves a walk on from cur: to its successor while it lives, otherwise it is
// removed and its successor taken.
GameObject* advanceWalk(GameObject** headAddress, GameObject* cur);

// One list pass: for each object, oldest first, draw it, then (when updates
// run) update it, then remove it if it died. The update gets the head and the
// walk position; it may replace *cur (null ends the pass, e.g. after it
// emptied the list). Objects appended during the pass, to this list or
// another, are reached in the same pass. Updates kill other objects by
// clearing alive, never by removing them. Passes whose update moves cur on by
// itself run their own loop with advanceWalk.
using ObjectDrawFn = void (*)(GameObject& obj);
using ObjectUpdateFn = void (*)(GameObject** headAddress, GameObject** cur);
void walkList(GameObject** headAddress, ObjectDrawFn draw, ObjectUpdateFn update,
              bool updatesRun);

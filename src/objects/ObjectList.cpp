// The object lists: append, remove, spawn, walk and empty.
#include "objects/ObjectList.h"

GameObject* g_enemyList = nullptr;
GameObject* g_bulletList = nullptr;
GameObject* g_shotList = nullptr;
GameObject* g_itemList = nullptr;
GameObject* g_effectBackList = nullptr;
GameObject* g_effectFrontList = nullptr;

GameObject* g_lastEnemy = nullptr;
GameObject* g_lastBullet = nullptr;
GameObject* g_lastShot = nullptr;
GameObject* g_lastItem = nullptr;
GameObject* g_lastEffectBack = nullptr;
GameObject* g_lastEffectFront = nullptr;

GameObject* appendObject(int32_t category, GameObject* anyNode, int32_t kind, float x, float y) {
    GameObject* tail = anyNode;
    while (tail->next) tail = tail->next;
    GameObject* obj = new GameObject(category, kind, x, y);
    obj->next = nullptr;
    obj->prev = tail;
    tail->next = obj;
    return obj;
}

GameObject* removeObject(GameObject** headAddress, GameObject* obj) {
    if (!headAddress || !obj) return nullptr;
    GameObject* successor = obj->next;
    if (obj->prev)
        obj->prev->next = successor;
    else
        *headAddress = successor;
    if (successor) successor->prev = obj->prev;
    delete obj;
    return successor;
}

void emptyList(GameObject** headAddress) {
    if (!headAddress) return;
    while (*headAddress) *headAddress = removeObject(headAddress, *headAddress);
}

GameObject* spawnInto(GameObject** headAddress, GameObject** lastCreated, int32_t category,
                      int32_t kind, float x, float y) {
    GameObject* obj;
    if (!*headAddress) {
        obj = new GameObject(category, kind, x, y);
        obj->next = nullptr;
        obj->prev = nullptr;
        *headAddress = obj;
    } else {
        obj = appendObject(category, *headAddress, kind, x, y);
    }
    if (lastCreated) *lastCreated = obj;
    return obj;
}

GameObject* advanceWalk(GameObject** headAddress, GameObject* cur) {
    if (cur->alive()) return cur->next;
    return removeObject(headAddress, cur);
}

void walkList(GameObject** headAddress, ObjectDrawFn draw, ObjectUpdateFn update,
              bool updatesRun) {
    GameObject* cur = *headAddress;
    while (cur) {
        if (draw) draw(*cur);
        if (updatesRun && update) {
            update(headAddress, &cur);
            if (!cur) return;
        }
        cur = advanceWalk(headAddress, cur);
    }
}

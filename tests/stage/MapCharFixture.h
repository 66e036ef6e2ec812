// A headless device, an empty map at camera (0, 0), a craft parked off the
// map characters' way, the emitter object and an empty map-character table.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/PlayFlags.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

class MapCharTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend);
        g_device = &device;
        fillTrigTables();
        std::memset(mapTiles, 0, sizeof mapTiles);
        scrollTileX = scrollTileY = scrollPixelX = scrollPixelY = 0;
        updateCamera();
        g_worldFrozen = g_gameOver = false;
        g_playerObject = new GameObject(1, 0, -1000, -1000);
        g_playerObject->setShape(true, 64, 64, 36, 33, 41, 38);
        g_playerObject->setHp(5000);
        g_playerObject->setPower(1);
        g_mapEmitterObject = new GameObject(0, 0, 0, 0);
        freeMapCharacters();
    }

    void TearDown() override
    {
        emptyList(&g_enemyList);
        emptyList(&g_bulletList);
        emptyList(&g_shotList);
        emptyList(&g_effectFrontList);
        g_lastEnemy = g_lastShot = nullptr;
        freeMapCharacters();
        delete g_mapEmitterObject;
        g_mapEmitterObject = nullptr;
        delete g_playerObject;
        g_playerObject = nullptr;
        g_worldFrozen = g_gameOver = false;
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    // A record as the stage load makes it: read, numbered, initialised. The
    // table has room for 64, so references to earlier records stay valid.
    static MapChar& add(int type, int x, int y, int p0 = 0, int p1 = 0, int p2 = -1, int p3 = 0)
    {
        if (mapChars.capacity() < 64)
            mapChars.reserve(64);
        MapChar record;
        record.type = type, record.mapX = x, record.mapY = y;
        record.param0 = p0, record.param1 = p1, record.param2 = p2, record.param3 = p3;
        record.index = static_cast<int32_t>(mapChars.size());
        initMapChar(record);
        mapChars.push_back(record);
        mapCharCount = static_cast<int32_t>(mapChars.size());
        return mapChars.back();
    }

    static void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            mapCharsStep();
    }

    static void camera(int x, int y)
    {
        scrollTileX = x / 32, scrollPixelX = x % 32;
        scrollTileY = y / 32, scrollPixelY = y % 32;
    }

    static std::vector<GameObject*> listed(GameObject* head)
    {
        std::vector<GameObject*> found;
        for (GameObject* e = head; e; e = e->next)
            found.push_back(e);
        return found;
    }
    static std::vector<GameObject*> enemies() { return listed(g_enemyList); }

    static GameObject* addShot(float x, float y, int hp, int power)
    {
        GameObject* shot = spawnInto(&g_shotList, &g_lastShot, 2, 0, x, y);
        shot->init(8, 8, 0, 0, 8, 8, 0, hp, power, 0, 0, 255, 0, 0);
        return shot;
    }

    // Puts the craft's hit box (5 x 5) with its top-left at (x, y).
    static void craftBoxAt(float x, float y)
    {
        g_playerObject->setX(x - 36);
        g_playerObject->setY(y - 33);
    }

    platform::HeadlessBackend backend;
    platform::Device device;
};

// A headless backend, a drawing device, a craft and an empty enemy list for
// each test; the world is not frozen.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/PlayFlags.h"
#include "enemies/EnemyPass.h"
#include "enemies/EnemySpawn.h"
#include "enemies/EnemyUpdate.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "stage/MapCharMove.h"

class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend);
        g_device = &device;
        fillTrigTables();
        g_playerObject = new GameObject(1, 0, 100, 200);
        g_playerObject->setShape(true, 64, 64, 36, 33, 41, 38);
        g_mapEmitterObject = new GameObject(0, 0, 0, 0);
        g_playerFrozen = false;
        mapChars.clear();
    }

    void TearDown() override
    {
        emptyList(&g_enemyList);
        emptyList(&g_bulletList);
        emptyList(&g_effectFrontList);
        g_lastEnemy = nullptr;
        mapChars.clear();
        delete g_mapEmitterObject;
        g_mapEmitterObject = nullptr;
        delete g_playerObject;
        g_playerObject = nullptr;
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    static GameObject& spawn(int kind, float x, float y, double angle = 0)
    {
        spawnEnemy(kind, x, y, angle);
        return *g_lastEnemy;
    }

    // The update alone, as the pass runs it after drawing: one enemy, n steps.
    static void update(GameObject& enemy, int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            GameObject* cur = &enemy;
            updateEnemy(&g_enemyList, &cur);
        }
    }

    static std::vector<GameObject*> enemies()
    {
        std::vector<GameObject*> found;
        for (GameObject* e = g_enemyList; e; e = e->next)
            found.push_back(e);
        return found;
    }

    platform::HeadlessBackend backend;
    platform::Device device;
};

// A headless backend, a drawing device and a fresh craft for each test, with
// the default button assignment and every player global at its new-game value.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "hud/Hud.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "platform/HeadlessBackend.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "stage/DrawScreenMap.h"

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend);
        g_device = &device;
        fillTrigTables();
        setDefaultActionButtons();
        clearMap();
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
        g_storyMode = false;
        g_stageIndex = 0;
        resetForNewGame();
    }

    void TearDown() override
    {
        resetForNewGame();
        delete g_playerObject;
        g_playerObject = nullptr;
        clearMap();
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    static void clearMap()
    {
        for (auto& column : mapTiles)
            for (int32_t& tile : column)
                tile = 0;
        scrollTileX = scrollTileY = scrollPixelX = scrollPixelY = 0;
    }

    // One stage frame's share of the player: the double-charge check of the
    // charge gauges, the craft, then the shots.
    void frame()
    {
        drawChargeGauges();
        updatePlayer();
        shotPass();
    }
    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            frame();
    }
    void key(platform::Key k, bool down) { backend.setKey(k, down); }

    GameObject& craft() { return *g_playerObject; }

    static std::vector<GameObject*> shots(int kind = -1)
    {
        std::vector<GameObject*> found;
        for (GameObject* s = g_shotList; s; s = s->next)
            if (kind < 0 || s->kind() == kind)
                found.push_back(s);
        return found;
    }
    static int countShots(int kind = -1) { return static_cast<int>(shots(kind).size()); }

    // An object in one of the other lists, for shots to meet.
    static GameObject* addTo(GameObject** list, int category, float x, float y, int size)
    {
        GameObject* obj = spawnInto(list, nullptr, category, 0, x, y);
        obj->init(size, size, 0, 0, size, size, 0, 1, 1, 0, 0, 255, 0, 0);
        return obj;
    }

    platform::HeadlessBackend backend;
    platform::Device device;
};

// A headless backend, a drawing device, a craft, an empty map and an empty
// bullet list for each test, and sheets whose every texel names its own place.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/PlayFlags.h"
#include "bullets/BulletPass.h"
#include "bullets/BulletSpawn.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

class BulletTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend);
        g_device = &device;
        fillTrigTables();
        clearMap();
        g_worldFrozen = false;
        g_orbitAnchorX = kOrbitAnchorGone;
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(true, 64, 64, 36, 33, 41, 38);
        g_playerObject->setHp(20000);
        source = new GameObject(0, 0, 100, 100);
        source->setShape(true, 32, 32, 0, 0, 32, 32);
    }

    void TearDown() override
    {
        emptyList(&g_bulletList);
        g_lastBullet = nullptr;
        delete source;
        delete g_playerObject;
        g_playerObject = nullptr;
        delete g_mapEmitterObject;
        g_mapEmitterObject = nullptr;
        mapChars.clear();
        mapCharCount = 0;
        if (coded) {
            g_texEnemyShot = savedShot;
            g_texEnemyShotCount = savedShotCount;
            g_texEffect = savedEffect;
            g_texEffectCount = savedEffectCount;
        }
        clearMap();
        g_worldFrozen = false;
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    static void clearMap()
    {
        for (auto& column : mapTiles)
            for (int32_t& tile : column)
                tile = 0;
        scrollTileX = scrollTileY = scrollPixelX = scrollPixelY = 0;
        updateCamera();
    }

    GameObject* spawn(int kind, double angle) { return spawnBullet(source, kind, angle); }

    // A bullet of the kind placed at (x, y) after its spawn.
    GameObject* spawnAt(int kind, double angle, float x, float y)
    {
        GameObject* b = spawn(kind, angle);
        b->setX(x);
        b->setY(y);
        return b;
    }

    static int updatesUntilDead(GameObject* b, int limit = 5000)
    {
        int n = 0;
        while (b->alive() && n < limit) {
            updateBullet(*b);
            ++n;
        }
        return n;
    }

    static std::vector<GameObject*> bullets(int kind = -1)
    {
        std::vector<GameObject*> found;
        for (GameObject* b = g_bulletList; b; b = b->next)
            if (kind < 0 || b->kind() == kind)
                found.push_back(b);
        return found;
    }
    static int count(int kind = -1) { return static_cast<int>(bullets(kind).size()); }

    // One map character of type 5 (a spiral turret) with the emitter pointing at it.
    void addTurret(int mapX, int mapY, int param0, int param1)
    {
        MapChar turret;
        turret.type = 5;
        turret.mapX = mapX;
        turret.mapY = mapY;
        turret.param0 = param0;
        turret.param1 = param1;
        mapChars.assign(1, turret);
        mapCharCount = 1;
        g_mapEmitterObject = new GameObject(0, 0, 0, 0);
        g_mapEmitterObject->setShape(false, 32, 32, 0, 0, 0, 0);
        g_mapEmitterObject->setOwnerIndex(0);
    }

    // Sheets of 512 x 512 texels, each texel 0xFF000000 | x << 12 | y, so a
    // drawn pixel tells which texel it came from.
    void installCodedSheets()
    {
        coded = std::make_unique<platform::Texture>(512, 512, false);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                coded->pixels()[y * 512 + x] = 0xFF000000u | static_cast<uint32_t>(x) << 12 | y;
        savedShot = g_texEnemyShot;
        savedShotCount = g_texEnemyShotCount;
        savedEffect = g_texEffect;
        savedEffectCount = g_texEffectCount;
        sheet.assign(8, coded.get());
        g_texEnemyShot = sheet.data();
        g_texEnemyShotCount = 4;
        g_texEffect = sheet.data();
        g_texEffectCount = 8;
    }
    uint32_t pixel(int x, int y) const { return device.backBuffer()[y * platform::kBackBufferWidth + x]; }
    static int texelX(uint32_t c) { return static_cast<int>(c >> 12 & 0x1FF); }
    static int texelY(uint32_t c) { return static_cast<int>(c & 0x1FF); }

    platform::HeadlessBackend backend;
    platform::Device device;
    GameObject* source = nullptr;
    std::unique_ptr<platform::Texture> coded;
    std::vector<platform::Texture*> sheet;
    platform::Texture** savedShot = nullptr;
    int savedShotCount = 0;
    platform::Texture** savedEffect = nullptr;
    int savedEffectCount = 0;
};

// A headless backend with sounds that log when played, a drawing device, a
// working folder for the progress file, and a fresh craft at (300, 200) whose
// 5 x 5 hit box spans (336, 233)-(341, 238).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "app/PrecomputedTables.h"
#include "collision/Collision.h"
#include "collision/Destruction.h"
#include "collision/Items.h"
#include "data/Progress.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "objects/ObjectList.h"
#include "platform/Device.h"
#include "platform/HeadlessBackend.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

class CollisionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setBackend(&backend);
        g_device = &device;
        previousFolder = std::filesystem::current_path();
        char pattern[] = "/tmp/lnf-collision-XXXXXX";
        folder = mkdtemp(pattern);
        std::filesystem::current_path(folder);
        std::filesystem::create_directory("lnfpac");
        std::filesystem::create_directory("dxm");
        for (int n = 0; n < kSoundCount; ++n)
            std::ofstream(soundFile(n), std::ios::binary) << "RIFF....WAVE................";
        for (int n = 0; n < kMusicCount; ++n)
            std::ofstream("dxm/mid0" + std::to_string(n) + ".mid", std::ios::binary)
                << "MThd................";
        initSound();

        fillTrigTables();
        fillRingOffsets();
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
        g_storyMode = false;
        resetForNewGame();
        for (int32_t& flag : g_unlockFlags)
            flag = 0;
        g_portrait[1] = 0;
    }

    void TearDown() override
    {
        resetForNewGame();
        delete g_playerObject;
        g_playerObject = nullptr;
        releaseSound();
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
        g_device = nullptr;
        platform::setBackend(nullptr);
    }

    static std::string soundFile(int n)
    {
        return "dxm/wav" + std::to_string(n / 10) + std::to_string(n % 10) + ".wav";
    }
    int soundsPlayed(int n) const
    {
        int count = 0;
        for (const std::string& line : backend.logLines())
            count += line.find("\"type\":\"sound\"") != std::string::npos &&
                     line.find(soundFile(n)) != std::string::npos;
        return count;
    }

    // A square object whose hit box is its whole picture.
    static GameObject* add(GameObject** list, int category, int kind, float x, float y, int size,
                           int hp, int power, int value = 0)
    {
        GameObject* obj = spawnInto(list, nullptr, category, kind, x, y);
        obj->init(size, size, 0, 0, size, size, 0, hp, power, 0, 0, 255, 0, value);
        return obj;
    }
    static GameObject* enemy(float x, float y, int hp, int power, int value = 0, int kind = 0)
    {
        return add(&g_enemyList, 0, kind, x, y, 32, hp, power, value);
    }
    static GameObject* shot(float x, float y, int hp, int power, int kind = 0)
    {
        return add(&g_shotList, 2, kind, x, y, 16, hp, power);
    }
    static GameObject* bullet(float x, float y, int hp, int power)
    {
        return add(&g_bulletList, 4, 0, x, y, 8, hp, power);
    }

    static int count(const GameObject* list)
    {
        int n = 0;
        for (; list; list = list->next)
            ++n;
        return n;
    }
    static std::vector<GameObject*> items()
    {
        std::vector<GameObject*> found;
        for (GameObject* item = g_itemList; item; item = item->next)
            found.push_back(item);
        return found;
    }

    GameObject& craft() { return *g_playerObject; }

    void hitEnemies() { collideEnemiesWithShots(&g_enemyList, &g_shotList); }
    void hitCraftWithBullets() { collidePlayerWithList(&g_playerObject, &g_bulletList); }
    void hitCraftWithEnemies() { collidePlayerWithList(&g_playerObject, &g_enemyList); }
    void collectItems() { collideItemsWithPlayer(&g_itemList, &g_playerObject); }

    platform::HeadlessBackend backend;
    platform::Device device;
    std::filesystem::path previousFolder;
    std::filesystem::path folder;
};

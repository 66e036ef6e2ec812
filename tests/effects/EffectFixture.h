// A headless backend, a drawing device, a craft and every sheet the effects
// draw from, each texel naming its own position and its sheet, so a screen
// pixel tells which picture cell was drawn. Runs in a scratch directory, where
// the progress file is written.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "effects/Effects.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"
#include "platform/HeadlessBackend.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "support/TexelSheet.h"

struct Texel {
    int tag, u, v;
    bool operator==(const Texel&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Texel& t)
{
    return out << "sheet " << t.tag << " (" << t.u << ", " << t.v << ")";
}

// Tags of the sheets: effect entries 1-8, power 9, front 10-11, shot B 12-13,
// cut-in 14-15.
constexpr int kTagEffect = 1;
constexpr int kTagPower = 9;
constexpr int kTagFront = 10;

class EffectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/lnf-effects-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        std::filesystem::create_directory("lnfpac");
        // Files the headless audio takes for sound, so that sounds are logged.
        std::filesystem::create_directory("dxm");
        for (int n = 0; n < kSoundCount; ++n)
            writeText("dxm/wav" + std::to_string(n / 10) + std::to_string(n % 10) + ".wav", "RIFF....WAVE");
        for (int n = 0; n < kMusicCount; ++n)
            writeText("dxm/mid0" + std::to_string(n) + ".mid", "MThd");

        platform::setBackend(&backend);
        g_device = &device;
        initSound();
        fillTrigTables();
        setDefaultActionButtons();
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
        g_storyMode = false;
        g_stageIndex = 0;
        resetForNewGame();
        g_scene = kSceneStage;
        g_character = 0;
        for (int i = 0; i < kGaugeCostCount; ++i)
            g_gaugeCost[i] = kDefaultGaugeCost[i];

        makeSheet(g_texEffect, g_texEffectCount, 8, kTagEffect);
        makeSheet(g_texPower, g_texPowerCount, 1, kTagPower);
        makeSheet(g_texFront, g_texFrontCount, 2, kTagFront);
        makeSheet(g_texShot2, g_texShot2Count, 2, 12);
        makeSheet(g_texSpecialArt, g_texSpecialArtCount, 2, 14);
    }

    void TearDown() override
    {
        resetForNewGame();
        delete g_playerObject;
        g_playerObject = nullptr;
        for (platform::Texture**& set : {std::ref(g_texEffect), std::ref(g_texPower),
                                          std::ref(g_texFront), std::ref(g_texShot2),
                                          std::ref(g_texSpecialArt)})
            set = nullptr;
        g_texEffectCount = g_texPowerCount = g_texFrontCount = g_texShot2Count =
            g_texSpecialArtCount = 0;
        g_device = nullptr;
        releaseSound();
        platform::setBackend(nullptr);
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }

    // One frame of the front list: cleared screen, base states, the pass.
    void frame()
    {
        beginSceneFrame();
        setSpriteStates();
        setPointMagFilter();
        effectPass(&g_effectFrontList);
    }
    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            frame();
    }
    // Passes until the list is empty (at most limit): how often its effects were drawn.
    int framesUntilEmpty(GameObject** list, int limit = 2000)
    {
        int drawn = 0;
        while (*list && drawn < limit) {
            effectPass(list);
            ++drawn;
        }
        return drawn;
    }

    static std::vector<int> kinds(GameObject* list)
    {
        std::vector<int> found;
        for (GameObject* e = list; e; e = e->next)
            found.push_back(e->kind());
        return found;
    }
    static GameObject* find(int kind, GameObject* list = g_effectFrontList)
    {
        for (GameObject* e = list; e; e = e->next)
            if (e->kind() == kind)
                return e;
        return nullptr;
    }

    Texel texelAt(int x, int y) const
    {
        uint32_t c = device.backBuffer()[y * platform::kBackBufferWidth + x];
        return {int(c & 0xFF), int(c >> 16 & 0xFF), int(c >> 8 & 0xFF)};
    }

    int countLog(const std::string& needle) const
    {
        int count = 0;
        for (const std::string& line : backend.logLines())
            count += line.find(needle) != std::string::npos;
        return count;
    }

    GameObject& craft() { return *g_playerObject; }

    platform::HeadlessBackend backend;
    platform::Device device;

private:
    static void writeText(const std::string& path, const char* text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    // 256 x 256 opaque texels: red = x, green = y, blue = the sheet's tag.
    void makeSheet(platform::Texture**& set, int& count, int entries, int firstTag)
    {
        auto& slots = slots_.emplace_back(entries, nullptr);
        for (int i = 0; i < entries; ++i) {
            auto& texture = textures_.emplace_back(texelCodedSheet(static_cast<uint8_t>(firstTag + i)));
            slots[i] = texture.get();
        }
        set = slots.data();
        count = entries;
    }

    std::vector<std::unique_ptr<platform::Texture>> textures_;
    std::vector<std::vector<platform::Texture*>> slots_;
    std::filesystem::path dir_;
    std::filesystem::path old_;
};

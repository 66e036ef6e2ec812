// The menu scenes in a working directory of their own: the selection and
// cut-in archives (each archive's pictures as wide as its number, so a test
// can tell which archive fills a set), sound files, a drawing device and a
// fresh craft, with every global as the title finds it after start-up.
#pragma once

#include <string>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "data/TestFiles.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "input/DirectInput.h"
#include "objects/ObjectList.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "scenes/SelectScene.h"
#include "scenes/TitleMenu.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace scenetest {

// Picture width of each archive's entries.
enum ArchiveWidth : int { kSelect = 1, kPlayer1 = 2, kPlayer2 = 3, kShot1 = 4, kShot2 = 5, kArt1 = 6, kArt2 = 7 };

inline int widthOf(const platform::Texture* texture) { return texture ? texture->width() : 0; }

class SceneTest : public testfiles::InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        writeArchive("lnfpac/p_sel.pac", 4, kSelect);
        writeArchive("lnfpac/p_p1.pac", 2, kPlayer1);
        writeArchive("lnfpac/p_p2.pac", 2, kPlayer2);
        writeArchive("lnfpac/p_s1.pac", 6, kShot1);
        writeArchive("lnfpac/p_s2.pac", 5, kShot2);
        writeArchive("lnfpac/p_b1.pac", 2, kArt1);
        writeArchive("lnfpac/p_b2.pac", 2, kArt2);
        std::filesystem::create_directory("dxm");
        for (int n = 0; n < kSoundCount; ++n)
            writeFile("dxm/wav" + std::to_string(n / 10) + std::to_string(n % 10) + ".wav", "RIFF....WAVE....");
        for (int n = 0; n < kMusicCount; ++n)
            writeFile("dxm/mid0" + std::to_string(n) + ".mid", "MThd....");
        initSound();

        g_device = &device_;
        fillTrigTables();
        setDefaultActionButtons();
        g_playerObject = new GameObject(1, 0, 300, 200);
        g_playerObject->setShape(false, 64, 64, 36, 33, 41, 38);
        g_storyMode = false;
        g_joystickPresent = false;
        resetForNewGame();
        resetTitleMenu();
        resetSelectScreen();
        g_quitRequested = 0;
    }
    void TearDown() override
    {
        g_storyMode = false;
        resetForNewGame();
        g_messageMode = g_playerFrozen = g_worldFrozen = g_scriptWaitFlag = false;
        delete g_playerObject;
        g_playerObject = nullptr;
        releaseAllTextureSets();
        releaseSound();
        g_device = nullptr;
        g_quitRequested = 0;
        InTempDir::TearDown();
    }

    void writeArchive(const std::string& path, int entries, int width)
    {
        std::vector<std::vector<uint8_t>> images;
        for (int i = 0; i < entries; ++i)
            images.push_back(testfiles::bmp24(width, 1, std::vector<uint32_t>(width, 0xFF808080)));
        writeFile(path, testfiles::archive(images));
    }

    void frame() { runScene(g_scene); }
    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            frame();
    }
    void hold(platform::Key key, bool down) { backend_.setKey(key, down); }
    // Down for one frame, then up for one.
    void press(platform::Key key)
    {
        hold(key, true);
        frame();
        hold(key, false);
        frame();
    }
    // A joystick button down for one frame, then up for one.
    void pressButton(int button)
    {
        backend_.setJoystickButton(button, true);
        frame();
        backend_.setJoystickButton(button, false);
        frame();
    }
    // A push of one stick axis (0 x, 1 y) for one frame, then back to the centre.
    void pushStick(int axis, int value)
    {
        backend_.setJoystickAxis(axis, value);
        frame();
        backend_.setJoystickAxis(axis, 0);
        frame();
    }
    int countLog(const std::string& needle) const
    {
        int count = 0;
        for (const std::string& line : backend_.logLines())
            count += line.find(needle) != std::string::npos;
        return count;
    }
    int sounds(int n) const { return countLog("\"type\":\"sound\",\"n\":" + std::to_string(n) + ","); }

    static int countShots(int kind)
    {
        int count = 0;
        for (const GameObject* s = g_shotList; s; s = s->next)
            count += s->kind() == kind;
        return count;
    }

    platform::Device device_;
};

}  // namespace scenetest

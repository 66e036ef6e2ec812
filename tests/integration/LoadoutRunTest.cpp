// Every loadout started straight in stage 1 from the built game folder:
// the tap shot and the sub-weapon's shot must appear in the shot list.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "app/DirectStart.h"
#include "app/GameMain.h"
#include "objects/ObjectList.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"

namespace {

struct Loadout {
    int character;
    int subWeapon;
    int shotKind;  // the kind the sub-weapon fires
};

Loadout g_loadout;

bool startLoadout() { return startStageDirectly(1, g_loadout.character, g_loadout.subWeapon); }

TEST(LoadoutRun, EachSubWeaponFiresItsShot)
{
    const Loadout loadouts[] = {{0, 0, 13}, {0, 1, 11}, {0, 2, 12}, {0, 3, 15}, {1, 1, 19}, {1, 2, 17}};
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path shots = previous / "loadout-screenshots";
    std::filesystem::create_directories(shots);
    std::filesystem::current_path(LNF_GAME_DIR);
    for (const Loadout& loadout : loadouts) {
        g_loadout = loadout;
        platform::HeadlessBackend backend;
        std::string error;
        // Tap Z, then hold the sub-weapon button for a while.
        ASSERT_TRUE(backend.parseInputScript("5 key z down\n6 key z up\n"
                                             "20 key ctrl down\n60 key ctrl up\n",
                                             &error))
            << error;
        std::string name = "c" + std::to_string(loadout.character) + "s" + std::to_string(loadout.subWeapon);
        backend.requestScreenshot(40, (shots / (name + ".png")).string());
        std::set<int> kinds;
        backend.setFrameHook([&](int) {
            for (const GameObject* shot = g_shotList; shot; shot = shot->next)
                kinds.insert(shot->kind());
        });
        backend.quitAfterFrames(90);
        platform::setTimeOverride(1);
        platform::setBackend(&backend);
        EXPECT_EQ(runLanternfall(startLoadout), 1) << name;
        platform::setBackend(nullptr);
        EXPECT_TRUE(kinds.count(0)) << name << ": the tap shot";
        EXPECT_TRUE(kinds.count(loadout.shotKind)) << name << ": the sub-weapon's shot";
    }
    std::filesystem::current_path(previous);
}

// Holding both shot buttons until both are full enters the double charge, paid
// from the gauge; letting go runs the release, which ends in the character's
// own attack.
TEST(LoadoutRun, BothButtonsHeldFullReleaseTheCharactersAttack)
{
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path shots = previous / "loadout-screenshots";
    std::filesystem::create_directories(shots);
    std::filesystem::current_path(LNF_GAME_DIR);
    const int attackKind[2] = {3, 22};
    for (int character = 0; character < 2; ++character) {
        g_loadout = {character, 1, 0};
        platform::HeadlessBackend backend;
        std::string error;
        ASSERT_TRUE(backend.parseInputScript("5 key a down\n110 key a up\n", &error)) << error;
        std::string name = "release" + std::to_string(character);
        backend.requestScreenshot(200, (shots / (name + ".png")).string());
        std::set<int> states;
        bool attacked = false;
        backend.setFrameHook([&](int) {
            states.insert(g_playerState);
            for (const GameObject* shot = g_shotList; shot; shot = shot->next)
                attacked = attacked || shot->kind() == attackKind[character];
        });
        backend.quitAfterFrames(230);
        platform::setTimeOverride(1);
        platform::setBackend(&backend);
        EXPECT_EQ(runLanternfall(startLoadout), 1) << name;
        platform::setBackend(nullptr);
        EXPECT_EQ(states, (std::set<int>{0, 1, 2})) << name;
        EXPECT_TRUE(attacked) << name;
    }
    std::filesystem::current_path(previous);
}

}  // namespace

// What each sub-weapon entry spawns, and the pass that plays it.
#include "scenes/SelectDemo.h"

#include "app/PlayFlags.h"
#include "effects/Effects.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "player/PlayerState.h"
#include "player/Shots.h"
#include "scenes/SelectScene.h"
#include "scenes/StageStart.h"

namespace {

// Character 1's field and barrier circle the craft, so it moves right to
// leave them room on screen.
void moveCraftRight(GameObject& craft)
{
    craft.setX(450);
    craft.setY(200);
}

void startCharacter0(GameObject& craft, int entry)
{
    switch (entry) {
    case 0:
        spawnShot(&craft, 13);
        break;
    case 1:
        spawnShot(&craft, 11);
        g_subWeaponBusy[1] = true;
        break;
    case 2:
        g_subWeaponBusy[2] = true;
        spawnShot(&craft, 12);
        break;
    case 3:
        spawnShot(&craft, 15);
        break;
    default:
        break;
    }
}

void startCharacter1(GameObject& craft, int entry)
{
    switch (entry) {
    case 0:
        moveCraftRight(craft);
        spawnEffect(&craft, 22);
        g_subWeaponBusy[4] = true;
        break;
    case 1:
        moveCraftRight(craft);
        spawnShot(&craft, 19);
        g_subWeaponBusy[5] = true;
        break;
    case 2:
        spawnShot(&craft, 17);
        g_subWeaponBusy[6] = true;
        break;
    case 3:
        // The orb turns into its pillar at once, as when the button is let go.
        spawnEffect(&craft, 31);
        g_subWeaponBusy[7] = false;
        break;
    default:
        break;
    }
}

}  // namespace

void startDemonstration(int character, int entry)
{
    if (!g_playerObject || entry < 0 || entry >= kSubWeaponEntries)
        return;
    if (character == 1)
        startCharacter1(*g_playerObject, entry);
    else if (character == 0)
        startCharacter0(*g_playerObject, entry);
    else
        return;
    g_subWeapon = entry + kSubWeaponEntries * character;
}

void runDemonstration()
{
    // A story game has already frozen the world for its opening
    // conversation; the demonstration still plays.
    const bool frozen = g_worldFrozen;
    g_worldFrozen = false;
    if (g_shotList)
        shotPass();
    else if (g_effectFrontList)
        effectPass(&g_effectFrontList);
    else
        g_previewRunning = false;
    g_worldFrozen = frozen;
}

// What the title menu and the selection screen do on the way to the first
// stage, without the screens in between.
#include "app/DirectStart.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "scenes/StageStart.h"

bool startStageDirectly(int stage, int character, int subWeapon)
{
    g_storyMode = false;
    g_messageMode = false;
    if (!openSelection())
        return false;
    chooseCharacter(character);
    if (!trimSelectionTextures(character) || !confirmLoadout(subWeapon))
        return false;
    g_stageIndex = stage - 1;
    return true;
}

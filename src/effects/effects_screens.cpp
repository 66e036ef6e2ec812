// Screens that take over play (game over, pause, stage clear) and the small
// captions and markers drawn over it.
#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "collision/Destruction.h"
#include "data/Progress.h"
#include "effects/EffectRules.h"
#include "hud/Hud.h"
#include "objects/GameObject.h"
#include "player/ContinueMenu.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"
#include "text/Conversation.h"

namespace effects {

namespace {

// The menu shows once the destruction has played this long.
constexpr int32_t kGameOverFrames = 60;
// The stage is banked on this frame of the stage-clear screen; its results
// panel shows and the overlay fades in from the next one.
constexpr int32_t kBankingFrame = 280;
constexpr int32_t kLastStage = 4;
constexpr int kConversationMusic = 1;

void freeze()
{
    g_scriptWaitFlag = true;
    g_playerFrozen = true;
    g_worldFrozen = true;
}

// The flags that hold play while a conversation opens the next stage or
// plays the ending.
void setConversationFlags(bool on)
{
    g_playerFrozen = on;
    g_messageMode = on;
    g_scriptWaitFlag = on;
    g_stageClearing = on;
    g_worldFrozen = on;
}

bool anyButtonDown()
{
    for (uint8_t down : g_buttonDown)
        if (down)
            return true;
    return false;
}

void bankStage()
{
    int32_t life = g_playerObject ? static_cast<int32_t>(g_playerObject->hpRatio() * 100) : 0;
    g_bankedScore += g_score + life * 200 + g_itemsCollected * 100;
    g_score = 0;
}

void leaveStage(GameObject& e)
{
    g_itemsCollected = 0;
    g_stageClock = 0;
    e.kill();
    if (g_stageIndex < kLastStage) {
        g_stageIndex += 1;
        g_scene = kSceneLoad;
        // In the story the next stage opens with a conversation.
        if (g_storyMode) {
            stopAllSound();
            playMusic(kConversationMusic);
        }
        setConversationFlags(g_storyMode);
        return;
    }
    g_playerFrozen = true;
    g_messageMode = true;
    if (g_storyMode) {
        if (e.timer3() == 0) {
            stopAllSound();
            playMusic(kConversationMusic);
            e.incrementTimer3();
        }
        g_endingStarted = true;
        setConversationFlags(true);
    } else {
        stopAllSound();
        g_returnToTitle = true;
    }
}

}  // namespace

// Blinks while the message window waits for its page key.
void updatePageMarker(GameObject& e)
{
    if (!g_messageWaiting) {
        e.kill();
        return;
    }
    loopFrames(e, 1, 16);
}

// Freezes play and records that this character has been beaten, lets the
// destruction play, then runs the continue menu until it chooses.
void updateGameOver(GameObject& e)
{
    if (e.step() == 0) {
        placeAt(e, 160, 120, 320, 240);
        e.setStepOne();
        freeze();
        if (g_character >= 0 && g_character < 2) {
            g_unlockFlags[g_character] = 1;
            writeProgress();
        }
        return;
    }
    e.setWidth(320);
    e.setHeight(240);
    if (e.timer() <= kGameOverFrames) {
        e.incrementTimer();
        return;
    }
    continueMenu();
    if (!g_gameOver) {
        g_worldFrozen = false;
        e.kill();
    }
}

// Darkens the screen under the menu until the menu closes.
void updatePauseScreen(GameObject& e)
{
    if (e.step() == 0)
        freeze();
    continueMenu();
    if (!g_menuOpen) {
        g_worldFrozen = false;
        e.kill();
    }
    e.incrementStep();
    placeAt(e, 0, 0, 640, 480);
}

// Banks the stage, fades in over the results and, once faded, moves on at the
// first button: to the next stage, to the ending or back to the title.
void updateStageClear(GameObject& e)
{
    if (e.step() == kBankingFrame)
        bankStage();
    if (e.step() > kBankingFrame) {
        drawStageResults();
        if (e.alpha() < 255)
            e.setAlpha(e.alpha() + 1);
        else if (anyButtonDown())
            leaveStage(e);
    }
    e.incrementStep();
    placeAt(e, 0, 0, 640, 480);
}

// Opaque for about 100 frames, then fades out.
void updateUnlockCaption(GameObject& e)
{
    if (e.step() == 0) {
        placeAt(e, 192, 224, 256, 32);
        e.setStepOne();
        return;
    }
    if (e.timer() > 100)
        e.setAlpha(e.alpha() - 2);
    if (e.alpha() < 30)
        e.kill();
    e.incrementTimer();
}

}  // namespace effects

// The title menu's controls, frame and scene changes.
#include "scenes/TitleMenu.h"

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "effects/Effects.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "objects/ObjectList.h"
#include "player/Controls.h"
#include "player/PlayerState.h"
#include "scenes/StageStart.h"
#include "sound/Sound.h"
#include "text/Conversation.h"

int32_t g_titleChoice = 0;
bool g_titleEntered = false;
TitleLatches g_titleLatches;

namespace {

constexpr int kLastEntry = kTitleEntries - 1;
constexpr int kEntryButtonConfig = 2;
constexpr int kEntryQuit = 4;
// The background first, then the entry captions.
constexpr int kTitleEffectKinds[] = {14, 17, 2000, 16, 33, 15};

constexpr int kSoundMove = 5;
constexpr int kSoundConfirm = 6;

bool buttonDown(const platform::JoystickState& state, int button)
{
    return (state.buttons[button] & 0x80) != 0;
}

// The arrow keys jump over the button configuration entry (with a joystick
// only from entry 1 and 3, where the stick still stops on it), so without a
// joystick that entry cannot be reached at all.
void moveDown(int32_t& cursor, bool skipConfiguration)
{
    if (cursor < kLastEntry && !g_titleLatches.move) {
        cursor += 1;
        if (skipConfiguration && cursor == kEntryButtonConfig)
            cursor += 1;
        playSound(kSoundMove);
    }
    g_titleLatches.move = true;
}

void moveUp(int32_t& cursor, bool skipConfiguration)
{
    if (cursor > 0 && !g_titleLatches.move) {
        cursor -= 1;
        if (skipConfiguration && cursor == kEntryButtonConfig)
            cursor -= 1;
        playSound(kSoundMove);
    }
    g_titleLatches.move = true;
}

void confirm(bool down, int32_t cursor)
{
    if (!down) {
        g_titleLatches.confirm = false;
        return;
    }
    if (!g_titleLatches.confirm) {
        if (cursor >= 0 && cursor < kEntryQuit) {
            g_titleChoice = cursor + 1;
            playSound(kSoundConfirm);
        } else if (cursor == kEntryQuit) {
            g_quitRequested = 1;
        }
    }
    g_titleLatches.confirm = true;
}

void drawTitle()
{
    beginSceneFrame();
    g_device->clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFFFFFFFF, 1.0f);
    setModulateStage();
    setNormalBlend();
    enableAlphaBlend();
    effectPass(&g_effectFrontList);
    endSceneFrame();
}

// The title's effects never outlive it.
void leaveTitle(int32_t scene)
{
    emptyList(&g_effectFrontList);
    g_scene = scene;
    g_character = kNoCharacter;
    g_titleEntered = false;
}

void actOnChoice()
{
    switch (g_titleChoice) {
    case 1:
        g_storyMode = false;
        // A story game left the conversation mode on for the next game; a
        // game without the story must not open the story's first conversation.
        g_messageMode = false;
        leaveTitle(kSceneSelect);
        openSelection();
        break;
    case 2:
        g_storyMode = true;
        startConversation();
        leaveTitle(kSceneSelect);
        openSelection();
        break;
    case 3:
        leaveTitle(kSceneButtonConfig);
        break;
    case 4:
        leaveTitle(kSceneGallery);
        break;
    default:
        break;
    }
}

}  // namespace

int32_t& titleCursor()
{
    static int32_t unassigned = 0;
    int button = actionButtonIndex(kActionShotB);
    return button >= 0 ? g_buttonHeld[button] : unassigned;
}

void titleInput()
{
    using platform::Key;
    int32_t& cursor = titleCursor();
    if (joystickExists()) {
        platform::JoystickState state;
        if (!readJoystickState(state))
            return;
        const bool downArrow = keyDown(Key::Down);
        const bool upArrow = keyDown(Key::Up);
        if (state.y > kStickDeadZone || downArrow)
            moveDown(cursor, downArrow && cursor == kEntryButtonConfig - 1);
        else if (state.y < -kStickDeadZone || upArrow)
            moveUp(cursor, upArrow && cursor == kEntryButtonConfig + 1);
        else
            g_titleLatches.move = false;
        confirm(buttonDown(state, 0) || buttonDown(state, 1) || keyDown(Key::Z), cursor);
        return;
    }
    if (keyDown(Key::Down))
        moveDown(cursor, !g_joystickPresent);
    else if (keyDown(Key::Up))
        moveUp(cursor, !g_joystickPresent);
    else
        g_titleLatches.move = false;
    confirm(keyDown(Key::Z), cursor);
}

void titleScene()
{
    if (!g_titleEntered) {
        g_titleEntered = true;
        for (int kind : kTitleEffectKinds)
            spawnEffect(g_playerObject, kind);
        g_titleChoice = 0;
    }
    titleInput();
    drawTitle();
    actOnChoice();
}

void resetTitleMenu()
{
    g_titleChoice = 0;
    g_titleEntered = false;
    g_titleLatches = TitleLatches{};
}

// The typewriter: one cell of the current story block per frame into the
// speaker's text texture, line feeds and page ends, the confirm control that
// turns a page, and the end of the conversation.
//
// A block is a run of two-byte cells. Ordinary cells are full-width Shift-JIS
// characters; a line feed cell ends the line; "!" and a lowercase letter sets
// the speaker's portrait; at the start of a line "$$" ends the page and hands
// over to the other speaker, "##" ends the page with the same speaker; a zero
// byte ends the conversation.
#include "text/Conversation.h"

#include "app/PlayFlags.h"
#include "data/ButtonConfig.h"
#include "data/StoryText.h"
#include "effects/Effects.h"
#include "graphics/Direct3D.h"
#include "graphics/TextureSets.h"
#include "input/DirectInput.h"
#include "input/Keyboard.h"
#include "input/MenuInput.h"
#include "objects/GameObject.h"
#include "platform/Font.h"
#include "player/PlayerState.h"
#include "sound/Sound.h"
#include "stage/StageScript.h"

namespace {

constexpr int kCellsPerLine = 23;   // the line wraps by itself after this many cells
constexpr int kCellAdvance = 19;
constexpr int kLineHeight = 32;
constexpr int kLastLinePenY = 64;   // three lines to a page
constexpr int kTextMargin = 32;
constexpr int kPortraitCells = 16;
constexpr int kPageMarkerEffect = 23;
constexpr uint32_t kShadow = 0xFF000000;
constexpr uint32_t kInk = 0xFFFFFFFF;

// The two bytes at offset in the current block. Anything outside the table
// reads as the end of the conversation, so a damaged block or a block index
// past the last one closes the window instead of reading on.
const char* cellAt(int32_t offset)
{
    static const char kEnd[2] = {0, 0};
    if (g_messageBlock < 0 || g_messageBlock >= kStoryBlockCount || offset < 0 ||
        offset > kStoryBlockSize - 2)
        return kEnd;
    return &g_storyText[g_messageBlock][offset];
}

const char* currentCell() { return cellAt(g_typewriter.lineStart + 2 * g_typewriter.charIndex); }

void endConversation()
{
    Typewriter& t = g_typewriter;
    g_messageBlock += 1;
    t.charIndex = 0;
    t.lineStart = 0;
    t.penX = 0;
    t.penY = 0;
    t.started = false;
    g_messageSide = 0;
    g_windowShown[0] = g_windowShown[1] = false;
    g_scriptWaitFlag = false;
    g_playerFrozen = false;
    g_messageMode = false;
    g_stageClearing = false;
    g_worldFrozen = false;
    if (g_endingStarted) {
        stopAllSound();
        g_endingFinished = true;
    }
}

// The page marker shows at the window of the speaker who has just finished.
void endPage(bool otherSpeaker)
{
    Typewriter& t = g_typewriter;
    t.penX = 0;
    t.penY = 0;
    t.charIndex = 0;
    g_messageWaiting = true;
    spawnEffect(g_playerObject, kPageMarkerEffect);
    if (otherSpeaker)
        g_messageSide = 1 - g_messageSide;
    t.pageDone = true;
    t.waitFrames = 1;
}

// After a cell: the end of the block, or a line feed with what the next line
// starts with.
void lookAhead()
{
    Typewriter& t = g_typewriter;
    const char* next = currentCell();
    if (next[0] == 0) {
        endConversation();
        return;
    }
    if (next[0] != '\n')
        return;
    t.charIndex += 1;
    t.lineStart += 2 * t.charIndex;
    t.charIndex = 0;
    t.penX = 0;
    t.penY += kLineHeight;
    const char line = cellAt(t.lineStart)[0];
    if (line == '$' || line == '#') {
        // The control cell and the line feed cell after it.
        t.lineStart += 4;
        endPage(line == '$');
    } else if (t.penY > kLastLinePenY) {
        endPage(false);
    }
}

// A line feed cell typed as text (an empty line) leaves the page blank there,
// as the font would draw no glyph for it.
bool printable(const char* cell) { return static_cast<unsigned char>(cell[0]) >= 0x20; }

}  // namespace

bool conversationConfirm()
{
    bool down;
    if (joystickExists()) {
        platform::JoystickState state;
        if (!readJoystickState(state))
            return false;
        down = joystickActionDown(state, kActionShotA) || joystickActionDown(state, kActionShotB) ||
               keyDown(platform::Key::Z);
    } else {
        down = keyDown(platform::Key::Z);
    }
    Typewriter& t = g_typewriter;
    if (!down) {
        t.confirmLatch = false;
        return false;
    }
    const bool pressed = !t.confirmLatch;
    t.confirmLatch = true;
    return pressed;
}

void typeNextCharacter()
{
    Typewriter& t = g_typewriter;
    if (t.started) {
        if (conversationConfirm()) {
            g_messageWaiting = false;
            t.waitFrames = 0;
            t.pageDone = false;
        }
        if (t.waitFrames != 0) {
            if (!t.pageDone)
                t.waitFrames -= 1;
            return;
        }
    } else {
        t.started = true;
    }

    const int side = g_messageSide == 1 ? 1 : 0;
    // A speaker whose texture could not be created is still typed to, so the
    // conversation can be read to its end; its window just shows nothing.
    platform::Texture* target = g_device ? g_textTextures[side] : nullptr;
    platform::Texture* previous = g_device ? g_device->renderTarget() : nullptr;
    if (target && !g_device->setRenderTarget(target))
        return;

    if (t.charIndex == 0 && t.penY == 0) {
        // A fresh page: the window background also erases the last page.
        g_windowShown[side] = true;
        if (platform::Texture* background = textureSetEntry(g_texFront, g_texFrontCount, side); target && background)
            g_device->drawSpriteCopy(*background, 0, 0, 512, 512, 0, 0, kInk);
    }
    if (currentCell()[0] == '!') {
        const int cell = static_cast<unsigned char>(currentCell()[1]) - 'a';
        if (cell >= 0 && cell < kPortraitCells)
            g_portrait[side] = cell;
        t.lineStart += 2;
    }
    if (t.charIndex != 0 && t.charIndex % kCellsPerLine == 0) {
        t.penX = 0;
        t.penY += kLineHeight;
    } else {
        t.penX = (t.charIndex % kCellsPerLine) * kCellAdvance;
    }
    const char* cell = currentCell();
    if (target && g_textFont && printable(cell)) {
        const int x = t.penX + kTextMargin;
        const int y = t.penY + kTextMargin;
        g_textFont->drawCell(*g_device, cell, x + 1, y + 1, kShadow);
        g_textFont->drawCell(*g_device, cell, x, y, kInk);
    }
    t.charIndex += 1;
    t.waitFrames = 0;
    lookAhead();

    if (target)
        g_device->setRenderTarget(previous);
}

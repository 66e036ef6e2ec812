// Story conversations: the font, the two speakers' text textures, the
// conversation state, and the typewriter that types a block of the story text
// one cell per frame, a page at a time.
#pragma once

#include <cstdint>

namespace platform {
class Font;
class Texture;
}  // namespace platform

extern platform::Font* g_textFont;
extern platform::Texture* g_textTextures[2];  // 512 x 512 render targets, one per speaker

extern int32_t g_messageBlock;  // story block of the next or current conversation; only grows
extern int32_t g_messageSide;   // speaker 0 or 1 being typed to; places the page marker
extern bool g_windowShown[2];   // the speaker's window has opened in this conversation
extern int32_t g_portrait[2];   // portrait cell of each speaker, 0-15 of a 4 x 4 sheet
extern bool g_messageWaiting;   // a page is complete and the page marker shows

// Where the typewriter stands in the block and on the page.
struct Typewriter {
    int32_t lineStart = 0;   // byte offset of the current line within the block
    int32_t charIndex = 0;   // two-byte cells typed on the current line
    int32_t penX = 0;        // where the next cell goes in the text texture, before the margin
    int32_t penY = 0;
    int32_t waitFrames = 0;  // frames before typing goes on
    bool pageDone = false;   // the page is complete; typing waits for the confirm control
    bool started = false;    // the conversation's first frame has passed
    bool confirmLatch = false;
};
extern Typewriter g_typewriter;

// The font and the two render-target textures; once at start-up.
void createTextResources();
void releaseText();

// In story mode: opens the conversation window, freezing the player, the
// world and the stage clock until the conversation ends. Otherwise nothing.
void startConversation();
// Types the next cell and draws the windows; once per stage frame while a
// conversation is open.
void conversationStep();
void typeNextCharacter();
void drawConversation();
// True on the first frame of a confirm press: shot A's or shot B's joystick
// button, or the "Z" key.
bool conversationConfirm();

// Char index, line start, wait frames and the pen back to 0.
void resetConversationCursor();
// The whole conversation state back to its start-up values.
void resetConversationState();

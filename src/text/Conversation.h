// Story conversations: the font, the two speakers' text textures and the
// conversation state.
#pragma once

#include <cstdint>

namespace platform {
class Font;
class Texture;
}  // namespace platform

extern platform::Font* g_textFont;
extern platform::Texture* g_textTextures[2];

extern int32_t g_messageBlock;
extern int32_t g_messageSide;
extern bool g_windowShown[2];
extern int32_t g_portrait[2];
extern bool g_messageWaiting;

// The font and the two 512 x 512 render-target textures, one per speaker.
void createTextResources();
void releaseText();
// Types the next cell and draws the windows; once per stage frame while a
// conversation is open.
void conversationStep();
// Char index, line start, wait frames and the pen back to 0.
void resetConversationCursor();
// The whole conversation state back to its start-up values.
void resetConversationState();

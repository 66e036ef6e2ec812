// The text resources and the conversation state.
#include "text/Conversation.h"

#include <cstdio>
#include <string>

#include "app/Message.h"
#include "platform/Device.h"
#include "platform/Font.h"

platform::Font* g_textFont = nullptr;
platform::Texture* g_textTextures[2] = {};

int32_t g_messageBlock = 0;
int32_t g_messageSide = 0;
bool g_windowShown[2] = {};
int32_t g_portrait[2] = {};
bool g_messageWaiting = false;

namespace {

int32_t g_lineStart = 0;
int32_t g_charIndex = 0;
int32_t g_penX = 0;
int32_t g_penY = 0;
int32_t g_waitFrames = 0;
bool g_pageDone = false;
bool g_started = false;

}  // namespace

void createTextResources()
{
    std::string error;
    g_textFont = platform::createJapaneseFont(&error).release();
    if (!g_textFont)
        std::fprintf(stderr, "Lanternfall: %s\n", error.c_str());
    const char* failures[2] = {"1fontテクスチャエラー", "2fontテクスチャエラー"};
    for (int i = 0; i < 2; ++i) {
        delete g_textTextures[i];
        g_textTextures[i] = platform::createRenderTargetTexture(512, 512).release();
        if (!g_textTextures[i])
            messageBox(failures[i]);
    }
}

void releaseText()
{
    for (platform::Texture*& texture : g_textTextures) {
        delete texture;
        texture = nullptr;
    }
    delete g_textFont;
    g_textFont = nullptr;
}

void resetConversationCursor()
{
    g_charIndex = 0;
    g_lineStart = 0;
    g_waitFrames = 0;
    g_penX = 0;
    g_penY = 0;
}

void resetConversationState()
{
    resetConversationCursor();
    g_messageBlock = 0;
    g_messageSide = 0;
    g_windowShown[0] = g_windowShown[1] = false;
    g_portrait[0] = g_portrait[1] = 0;
    g_messageWaiting = false;
    g_pageDone = false;
    g_started = false;
}

// The typewriter and the windows arrive with story mode; until then a
// conversation shows nothing.
void conversationStep() {}

// The text resources, the conversation state and its resets.
#include "text/Conversation.h"

#include <cstdio>
#include <string>

#include "app/Message.h"
#include "app/PlayFlags.h"
#include "platform/Device.h"
#include "platform/Font.h"
#include "stage/StageScript.h"

platform::Font* g_textFont = nullptr;
platform::Texture* g_textTextures[2] = {};

int32_t g_messageBlock = 0;
int32_t g_messageSide = 0;
bool g_windowShown[2] = {};
int32_t g_portrait[2] = {};
bool g_messageWaiting = false;
Typewriter g_typewriter;

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

void startConversation()
{
    if (!g_storyMode)
        return;
    g_scriptWaitFlag = true;
    g_playerFrozen = true;
    g_messageMode = true;
    g_worldFrozen = true;
}

void conversationStep()
{
    typeNextCharacter();
    drawConversation();
}

void resetConversationCursor()
{
    g_typewriter.charIndex = 0;
    g_typewriter.lineStart = 0;
    g_typewriter.waitFrames = 0;
    g_typewriter.penX = 0;
    g_typewriter.penY = 0;
}

void resetConversationState()
{
    g_typewriter = Typewriter{};
    g_messageBlock = 0;
    g_messageSide = 0;
    g_windowShown[0] = g_windowShown[1] = false;
    g_portrait[0] = g_portrait[1] = 0;
    g_messageWaiting = false;
}

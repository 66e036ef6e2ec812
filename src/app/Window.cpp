// The window procedure and the message loop, over the platform's window events.
#include "app/Window.h"

#include <deque>
#include <utility>

#include "app/FrameClock.h"
#include "app/Message.h"
#include "app/PlayFlags.h"
#include "graphics/Direct3D.h"
#include "effects/Effects.h"
#include "input/DirectInput.h"
#include "objects/GameObject.h"
#include "platform/Backend.h"
#include "player/PlayerState.h"

namespace {

std::deque<std::pair<WindowMessage, int64_t>> g_postedMessages;

// PeekMessage with removal: posted messages first, then the window system's.
bool peekMessage(WindowMessage& message, int64_t& wParam)
{
    if (!g_postedMessages.empty()) {
        std::tie(message, wParam) = g_postedMessages.front();
        g_postedMessages.pop_front();
        return true;
    }
    platform::Event event;
    if (!platform::backend().pollEvent(event))
        return false;
    wParam = 0;
    switch (event.type) {
    case platform::EventType::Quit:
        message = WindowMessage::Close;
        break;
    case platform::EventType::Activate:
        message = WindowMessage::Activate;
        wParam = 1;
        break;
    case platform::EventType::Deactivate:
        message = WindowMessage::Activate;
        break;
    case platform::EventType::KeyDown:
        message = WindowMessage::KeyDown;
        wParam = static_cast<int64_t>(event.key);
        break;
    case platform::EventType::Paint:
        message = WindowMessage::Paint;
        break;
    case platform::EventType::DevicesChanged:
        message = WindowMessage::DeviceChange;
        break;
    }
    return true;
}

}  // namespace

bool createGameWindow(int width, int height)
{
    platform::WindowOptions options;
    options.width = width;
    options.height = height;
    options.fullScreen = !g_windowedBuild;
    options.title = "Lanternfall";
    if (!platform::backend().createWindow(options)) {
        messageBox("アニメーションエディタメインウインドウ生成失敗しました");
        return false;
    }
    g_windowActive = true;
    windowProcedure(WindowMessage::Create, 0);
    return true;
}

void postMessage(WindowMessage message, int64_t wParam) { g_postedMessages.emplace_back(message, wParam); }

int64_t windowProcedure(WindowMessage message, int64_t wParam)
{
    switch (message) {
    case WindowMessage::Create:
    case WindowMessage::Paint:
        return 0;
    case WindowMessage::Destroy:
        postMessage(WindowMessage::Quit, 0);
        return 0;
    case WindowMessage::Close:
        postMessage(WindowMessage::Destroy, 0);
        return 0;
    case WindowMessage::Activate:
        if (joystickExists()) {
            g_windowActive = wParam != 0;
            if (wParam == 0)
                unacquireJoystick();
            else
                acquireJoystick();
        }
        return 0;
    case WindowMessage::DeviceChange:
        joystickDevicesChanged();
        return 0;
    case WindowMessage::KeyDown:
        // The key of the message itself, not the keyboard's state now: a tap
        // whose release arrives in the same batch of events still pauses.
        if (static_cast<platform::Key>(wParam) == platform::Key::Escape && !g_gameOver && !g_menuOpen &&
            !g_stageClearing && g_scene == kSceneStage) {
            spawnEffect(g_playerObject, 28);
            g_menuOpen = 1;
        }
        return 0;
    case WindowMessage::Quit:
    case WindowMessage::Other:
        return 0;
    }
    return 0;
}

int64_t runMessageLoop()
{
    WindowMessage message = WindowMessage::Other;
    int64_t wParam = 0;
    for (;;) {
        if (peekMessage(message, wParam)) {
            if (message == WindowMessage::Quit)
                break;
            windowProcedure(message, wParam);
            continue;
        }
        if (g_quitRequested == 1)
            break;
        frameTick();
        // Nothing is due until the next step: wait for it (or for an event)
        // rather than spin a whole core.
        if (g_postedMessages.empty())
            platform::backend().waitUntil(nextStepDueTime());
    }
    return wParam;
}

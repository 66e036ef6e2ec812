// The game window, its message loop and its window procedure.
#pragma once

#include <cstdint>

// The window messages the game handles, in the window system's terms.
enum class WindowMessage { Create, Destroy, Activate, Paint, Close, KeyDown, DeviceChange, Quit, Other };

bool createGameWindow(int width, int height);
// Handles one message; wParam carries the activation state of Activate.
int64_t windowProcedure(WindowMessage message, int64_t wParam);
// Queues a message for the loop, as PostMessage does.
void postMessage(WindowMessage message, int64_t wParam = 0);
// Spins until WM_QUIT or the quit request; returns the last message's wParam.
int64_t runMessageLoop();

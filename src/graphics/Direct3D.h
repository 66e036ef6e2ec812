// The one rendering device and its set-up, presentation and release.
#pragma once

#include "platform/Device.h"

extern platform::Device* g_device;

// The presentation mode: false in the full-screen deliverable, set by its entry.
extern bool g_windowedBuild;

bool initDirect3D();
void releaseDirect3D();
// Present, and Reset with the kept parameters when presentation fails.
void presentFrame();

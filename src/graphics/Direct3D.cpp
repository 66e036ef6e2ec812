// The rendering device: created once after the window, presented at the end of
// every scene's frame, released at shutdown.
#include "graphics/Direct3D.h"

#include "graphics/TextureSets.h"

platform::Device* g_device = nullptr;
bool g_windowedBuild = true;

bool initDirect3D()
{
    // The software device cannot fail to exist; the presentation mode was
    // fixed when the window was created.
    g_device = new platform::Device();
    return true;
}

void releaseDirect3D()
{
    releaseAllTextureSets();
    delete g_device;
    g_device = nullptr;
}

void presentFrame()
{
    if (!g_device->present())
        g_device->reset();
}

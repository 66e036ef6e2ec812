// Scenes whose screens are not built yet show a plain black frame, so that the
// dispatcher, the clock and presentation run end to end from the first build.
#include <cstdint>

#include "app/SceneHandlers.h"
#include "graphics/Direct3D.h"

namespace {

void plainFrame()
{
    g_device->clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f);
    g_device->beginScene();
    g_device->setVertexShader(platform::kFvfSprite);
    g_device->endScene();
    presentFrame();
}

}  // namespace

void buttonConfigScene() { plainFrame(); }
void galleryScene() { plainFrame(); }

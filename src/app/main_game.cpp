// The program: the game on a real window, full screen or windowed by build.
#include <cstdio>

#include "app/GameMain.h"
#include "graphics/Direct3D.h"
#include "platform/GameFolder.h"
#include "platform/PlayerFolder.h"
#include "platform/SdlBackend.h"

int main()
{
    std::unique_ptr<platform::Backend> backend = platform::createSdlBackend();
    if (!backend) {
        std::fprintf(stderr, "Lanternfall: the display could not be opened\n");
        return 1;
    }
    g_windowedBuild = LNF_WINDOWED != 0;
    platform::setBackend(backend.get());
    if (!platform::enterGameFolder()) {
        platform::setBackend(nullptr);
        return 1;
    }
    platform::keepPlayerFilesInDataHome();
    int result = runLanternfall();
    platform::setBackend(nullptr);
    return result == 1 ? 0 : 1;
}

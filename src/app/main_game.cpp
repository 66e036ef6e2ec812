// The program: the game on a real window, full screen or windowed by build.
// Every session is recorded; --replay FILE plays a recorded one back.
#include <cstdio>
#include <string>

#include "graphics/Direct3D.h"
#include "platform/SdlBackend.h"
#include "replay/GameSession.h"

int main(int argc, char** argv)
{
    std::string replayPath;
    if (!parseGameArguments(argc, argv, replayPath)) {
        std::fprintf(stderr, "usage: %s [--replay FILE]\n", argv[0]);
        return 2;
    }
    std::unique_ptr<platform::Backend> backend = platform::createSdlBackend();
    if (!backend) {
        std::fprintf(stderr, "Lanternfall: the display could not be opened\n");
        return 1;
    }
    g_windowedBuild = LNF_WINDOWED != 0;
    int result = replayPath.empty() ? runRecordedGame(*backend) : playReplayInWindow(*backend, replayPath);
    return result == 1 ? 0 : 1;
}

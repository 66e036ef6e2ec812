// The program: the game on a real window, full screen or windowed by build.
// Every session is recorded; --replay FILE plays a recorded one back.
#include <cstdio>
#include <string>

#include "graphics/Direct3D.h"
#include "platform/GameFolder.h"
#include "platform/PlayerFolder.h"
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
    // The game folder is entered and the player's folder set before the
    // session starts: the replay's data digest reads the one, its files go in the other.
    platform::setBackend(backend.get());
    if (!platform::enterGameFolder()) {
        platform::setBackend(nullptr);
        return 1;
    }
    platform::keepPlayerFilesInDataHome();
    platform::setBackend(nullptr);
    int result = replayPath.empty() ? runRecordedGame(*backend) : playReplayInWindow(*backend, replayPath);
    return result == 1 ? 0 : 1;
}

// The stage map loader on arbitrary bytes, for every stage index it may name.
#include <cstddef>
#include <cstdint>

#include "objects/GameObject.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static platform::HeadlessBackend backend;
    static GameObject player(1, 0, 300, 200);
    platform::setBackend(&backend);
    g_playerObject = &player;
    for (int32_t stage = 0; stage < 3; ++stage)
        loadStageMapFrom(data, size, stage);
    for (int i = 0; i < 4; ++i)
        advanceScroll();
    freeMapCharacters();
    return 0;
}

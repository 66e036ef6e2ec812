// The stage map loader on arbitrary bytes, for every stage index it may name.
#include <cstddef>
#include <cstdint>
#include <iostream>

#include "objects/GameObject.h"
#include "platform/HeadlessBackend.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

// Every damaged map is reported in a message box, which the headless backend
// also writes to standard error; millions of those would only slow the fuzzer.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A backend for each input, so the log of messages does not grow for ever.
    platform::HeadlessBackend backend;
    static GameObject player(1, 0, 300, 200);
    platform::setBackend(&backend);
    g_playerObject = &player;
    for (int32_t stage = 0; stage < 3; ++stage)
        loadStageMapFrom(data, size, stage);
    for (int i = 0; i < 4; ++i)
        advanceScroll();
    freeMapCharacters();
    platform::setBackend(nullptr);
    return 0;
}

// The stage schedule loader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "stage/StageScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    loadStageScriptFrom(reinterpret_cast<const char*>(data), size, "out.txt");
    resetStageScript();
    for (int i = 0; i < 64; ++i)
        stageScriptStep();
    return 0;
}

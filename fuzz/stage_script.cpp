// The stage schedule loader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "stage/StageScript.h"

// The loader reports every damaged schedule on standard output; millions of
// those lines would only slow the fuzzer down.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::freopen("/dev/null", "w", stdout);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    loadStageScriptFrom(reinterpret_cast<const char*>(data), size, "out.txt");
    resetStageScript();
    for (int i = 0; i < 64; ++i)
        stageScriptStep();
    return 0;
}

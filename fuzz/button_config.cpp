// Fuzzes the button assignment parser: a parse that succeeds gives six buttons 0-7.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/ButtonConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int buttons[kActionCount] = {-1, -1, -1, -1, -1, -1};
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (parseButtonConfig(text, buttons)) {
        for (int b : buttons)
            if (b < 0 || b > 7) abort();
        // What the game writes, it reads back the same.
        int again[kActionCount];
        if (!parseButtonConfig(formatButtonConfig(buttons), again)) abort();
        for (int i = 0; i < kActionCount; ++i)
            if (again[i] != buttons[i]) abort();
    }
    return 0;
}

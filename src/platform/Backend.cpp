// The one backend in use.
#include "platform/Backend.h"

namespace platform {

namespace {
Backend* g_backend = nullptr;
bool g_timeOverridden = false;
std::time_t g_timeOverride = 0;
}  // namespace

std::time_t currentTime() { return g_timeOverridden ? g_timeOverride : std::time(nullptr); }

void setTimeOverride(std::time_t seconds)
{
    g_timeOverridden = true;
    g_timeOverride = seconds;
}

Backend& backend() { return *g_backend; }
void setBackend(Backend* backend) { g_backend = backend; }
Backend* backendIfSet() { return g_backend; }

}  // namespace platform

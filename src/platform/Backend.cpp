// The one backend in use.
#include "platform/Backend.h"

namespace platform {

namespace {
Backend* g_backend = nullptr;
}

Backend& backend() { return *g_backend; }
void setBackend(Backend* backend) { g_backend = backend; }

}  // namespace platform

// The SDL2 backend: a real window, SDL2_mixer audio, keyboard and gamepads.
#pragma once

#include <memory>

#include "platform/Backend.h"

namespace platform {

std::unique_ptr<Backend> createSdlBackend();

}  // namespace platform

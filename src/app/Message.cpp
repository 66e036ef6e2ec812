#include "app/Message.h"

#include "platform/Backend.h"

void messageBox(std::string_view text) { platform::backend().messageBox(text); }

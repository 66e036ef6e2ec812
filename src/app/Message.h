// Failures are reported with a message box: caption "確認", the text, OK.
#pragma once

#include <string_view>

void messageBox(std::string_view text);

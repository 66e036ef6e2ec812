// The XDG base directories (data, config) that hold a user's own files.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The user's home: $HOME when it is an absolute path, else the password
// database's entry; empty when neither is known.
std::string homeDirectory();

// An XDG base directory without a trailing '/': the variable's value when it
// is an absolute path, else home + '/' + underHome. An unset, empty or
// relative value is ignored, as the XDG rules ask.
// xdgBaseDirectory(getenv("XDG_DATA_HOME"), homeDirectory(), ".local/share")
std::string xdgBaseDirectory(const char* value, const std::string& home, std::string_view underHome);

}  // namespace platform

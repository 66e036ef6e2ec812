// The XDG base directories (data, config) that hold a user's own files.
#include "platform/XdgDirectories.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string homeDirectory()
{
    const char* home = std::getenv("HOME");
    if (isAbsolute(home)) return withoutTrailingSlashes(home);
    const passwd* entry = getpwuid(getuid());
    if (entry && isAbsolute(entry->pw_dir)) return withoutTrailingSlashes(entry->pw_dir);
    return "";
}

std::string xdgBaseDirectory(const char* value, const std::string& home, std::string_view underHome)
{
    if (isAbsolute(value)) return withoutTrailingSlashes(value);
    std::string base = withoutTrailingSlashes(home);
    if (base.empty() || base.back() != '/') base += '/';
    return base + std::string(underHome);
}

}  // namespace platform

// Reading, writing and applying the window settings file.
#include "platform/WindowSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "platform/XdgDirectories.h"

namespace platform {

namespace {

constexpr int kMaxSide = 16384;
// Far more than the file ever holds; anything longer is not this file.
constexpr size_t kMaxFileSize = 4096;

bool isKey(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
}

bool parseSide(std::string_view word, int& value)
{
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && value >= 1 && value <= kMaxSide;
}

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        const size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
        if (pos > start) words.push_back(line.substr(start, pos - start));
    }
    return words;
}

// Empty when the line is fine; otherwise what is wrong with it.
std::string parseLine(const std::vector<std::string_view>& words, WindowSettings& out)
{
    if (!isKey(words[0])) return "not a setting";
    if (words.size() < 2) return "\"" + std::string(words[0]) + "\" has no value";
    if (words[0] == "fullscreen") {
        if (words.size() != 2 || (words[1] != "yes" && words[1] != "no")) return "fullscreen must be yes or no";
        out.fullScreen = words[1] == "yes";
    } else if (words[0] == "size") {
        if (words.size() != 3 || !parseSide(words[1], out.width) || !parseSide(words[2], out.height))
            return "size must be two whole numbers from 1 to " + std::to_string(kMaxSide);
    }
    return {};
}

// mkdir -p for the folders above path; new folders are the player's alone.
bool makeParentFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool replaceFile(const std::string& path, const std::string& text)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int cause = errno;
        std::remove(temp.c_str());
        errno = cause;
        return false;
    }
    // The rename itself reaches the disk with its folder.
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

std::string windowSettingsPath()
{
    return xdgBaseDirectory(std::getenv("XDG_CONFIG_HOME"), homeDirectory(), ".config") + "/lanternfall/window.conf";
}

bool parseWindowSettings(std::string_view text, WindowSettings& out, std::string& error)
{
    WindowSettings settings;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> words = splitWords(line);
        if (words.empty() || words[0][0] == '#') continue;
        if (std::string problem = parseLine(words, settings); !problem.empty()) {
            error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
    }
    out = settings;
    return true;
}

std::string formatWindowSettings(const WindowSettings& settings)
{
    std::string text = "# Lanternfall's window, written when the game ends\n";
    text += settings.fullScreen ? "fullscreen yes\n" : "fullscreen no\n";
    if (settings.width > 0 && settings.height > 0)
        text += "size " + std::to_string(settings.width) + " " + std::to_string(settings.height) + "\n";
    return text;
}

WindowSettings loadWindowSettings(const std::string& path)
{
    WindowSettings settings;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) std::cerr << path << ": cannot read the window settings: " << std::strerror(errno) << '\n';
        return settings;
    }
    // One byte more than the limit tells a file that is too large.
    std::string text(kMaxFileSize + 1, '\0');
    size_t size = 0;
    std::string error;
    while (size < text.size()) {
        const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = std::string("cannot be read: ") + std::strerror(errno);
        if (n <= 0) break;
        size += static_cast<size_t>(n);
    }
    ::close(fd);
    text.resize(size);
    if (error.empty() && size > kMaxFileSize) error = "too large to be window settings";
    if (error.empty() && text.find('\0') != std::string::npos) error = "holds binary data";
    if (!error.empty() || !parseWindowSettings(text, settings, error)) {
        std::cerr << path << ": damaged window settings ignored (" << error << ")\n";
        return WindowSettings{};
    }
    return settings;
}

bool saveWindowSettings(const std::string& path, const WindowSettings& settings)
{
    if (!makeParentFolders(path) || !replaceFile(path, formatWindowSettings(settings))) {
        std::cerr << path << ": cannot save the window settings: " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

WindowSize chooseWindowSize(const WindowSettings& remembered, WindowSize usable, WindowSize frame)
{
    if (remembered.width > 0 && remembered.height > 0 && remembered.width <= usable.width &&
        remembered.height <= usable.height)
        return {remembered.width, remembered.height};
    int multiple = 1;
    if (frame.width > 0 && frame.height > 0)
        multiple = std::max(1, std::min(usable.width / frame.width, usable.height / frame.height));
    return {frame.width * multiple, frame.height * multiple};
}

}  // namespace platform

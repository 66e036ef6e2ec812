// Whole-file reads and writes for the content tools.
#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tools {

bool readFile(const std::string& path, Bytes& out, std::string& error) {
    out.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": cannot open (" + std::strerror(errno) + ")";
        return false;
    }
    std::uint8_t buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        out.insert(out.end(), buffer, buffer + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = path + ": read error";
        return false;
    }
    return true;
}

bool writeFile(const std::string& path, const Bytes& data, std::string& error) {
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        error = path + ": cannot create (" + std::strerror(errno) + ")";
        return false;
    }
    const bool written = data.empty() || std::fwrite(data.data(), 1, data.size(), file) == data.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(temp.c_str());
        error = path + ": write error";
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = path + ": cannot replace (" + std::strerror(errno) + ")";
        return false;
    }
    return true;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void putU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t getU32(const Bytes& in, std::size_t offset) {
    return static_cast<std::uint32_t>(in[offset]) | static_cast<std::uint32_t>(in[offset + 1]) << 8 |
           static_cast<std::uint32_t>(in[offset + 2]) << 16 | static_cast<std::uint32_t>(in[offset + 3]) << 24;
}

}  // namespace tools

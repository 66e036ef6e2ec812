// The texture archive layout, written and checked by pactool.
#include "PacFormat.h"

#include <cstring>
#include <limits>

namespace tools {

bool buildArchive(const std::vector<PacEntry>& entries, Bytes& out, std::string& error) {
    out.clear();
    if (entries.size() > kPacMaxEntries) {
        error = std::to_string(entries.size()) + " entries, an archive holds at most " +
                std::to_string(kPacMaxEntries);
        return false;
    }
    std::uint64_t offset = 4 + kPacEntrySize * entries.size();
    out.reserve(offset);
    putU32(out, static_cast<std::uint32_t>(entries.size()));
    for (const PacEntry& entry : entries) {
        if (entry.name.empty() || entry.name.size() >= kPacNameSize ||
            entry.name.find('\0') != std::string::npos) {
            error = "entry name \"" + entry.name + "\" must be 1 to 255 bytes without zero bytes";
            return false;
        }
        const std::uint64_t end = offset + entry.data.size();
        if (end > std::numeric_limits<std::uint32_t>::max()) {
            error = "entry \"" + entry.name + "\" would lie past 4 GiB";
            return false;
        }
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        out.insert(out.end(), kPacNameSize - entry.name.size(), 0);
        putU32(out, static_cast<std::uint32_t>(entry.data.size()));
        putU32(out, static_cast<std::uint32_t>(offset));
        offset = end;
    }
    for (const PacEntry& entry : entries)
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    return true;
}

bool parseArchive(const Bytes& archive, std::vector<PacIndexEntry>& index, std::string& error) {
    index.clear();
    if (archive.size() < 4) {
        error = "shorter than the 4-byte entry count";
        return false;
    }
    const std::uint32_t count = getU32(archive, 0);
    if (count > kPacMaxEntries) {
        error = "entry count " + std::to_string(count) + " exceeds " + std::to_string(kPacMaxEntries);
        return false;
    }
    const std::size_t tableEnd = 4 + kPacEntrySize * count;
    if (archive.size() < tableEnd) {
        error = "table of " + std::to_string(count) + " entries runs past the end of the file";
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 4 + kPacEntrySize * i;
        PacIndexEntry entry;
        const char* name = reinterpret_cast<const char*>(archive.data() + at);
        entry.name.assign(name, strnlen(name, kPacNameSize));
        entry.size = getU32(archive, at + kPacNameSize);
        entry.offset = getU32(archive, at + kPacNameSize + 4);
        if (static_cast<std::uint64_t>(entry.offset) + entry.size > archive.size()) {
            error = "entry " + std::to_string(i) + " (offset " + std::to_string(entry.offset) + ", size " +
                    std::to_string(entry.size) + ") runs past the end of the file";
            return false;
        }
        index.push_back(entry);
    }
    return true;
}

}  // namespace tools

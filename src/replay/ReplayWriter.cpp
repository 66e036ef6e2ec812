// The replay writer.
#include "replay/ReplayWriter.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "replay/KeyPulses.h"

namespace {

// A long stretch without a stage start (the title left open) is written out
// once this much has gathered.
constexpr size_t kFlushBytes = 64 * 1024;

}  // namespace

ReplayWriter::ReplayWriter(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}

ReplayWriter::~ReplayWriter()
{
    flush();
    if (file_) std::fclose(file_);
}

void ReplayWriter::write(std::string_view text)
{
    if (!file_) return;
    pending_ += text;
    if (pending_.size() >= kFlushBytes) flush();
}

void ReplayWriter::flush()
{
    if (!file_ || pending_.empty()) return;
    const std::string lines = compactKeyPulses(pending_);
    const bool written = std::fwrite(lines.data(), 1, lines.size(), file_) == lines.size() && std::fflush(file_) == 0;
    pending_.clear();
    if (!written) {
        // One line, then the game plays on unrecorded.
        std::cerr << "Lanternfall: " << path_ << ": cannot write the replay: " << std::strerror(errno) << '\n';
        std::fclose(file_);
        file_ = nullptr;
    }
}

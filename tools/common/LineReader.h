// Where a text-format reader is, so each problem names the file and line.
#pragma once

#include <string>

namespace tools {

struct LineReader {
    const std::string& fileName;
    int line = 0;
    std::string& error;

    // Records "FILE:LINE: message" and returns false, for `return in.fail(...)`.
    bool fail(const std::string& message) {
        error = fileName + ":" + std::to_string(line) + ": " + message;
        return false;
    }
};

}  // namespace tools

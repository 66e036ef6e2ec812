// Writing a replay as the game goes. Lines are kept in memory and written
// out whole at every flush (each stage start, and the end), so a crash loses
// at most the current stage and never leaves more than one line half-written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class ReplayWriter {
public:
    // file may be null: nothing is written.
    ReplayWriter(std::FILE* file, std::string path);
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

    // text holds whole lines, each with its newline.
    void write(std::string_view text);
    void flush();

private:
    std::FILE* file_;
    std::string path_;
    std::string pending_;
};

// Helpers for tests that read and write game files: a fresh working directory,
// the messages shown, and small hand-made images and archives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/HeadlessBackend.h"

namespace testfiles {

// Makes a fresh directory with an "lnfpac" folder, works inside it, and goes
// back and removes it afterwards. Messages go to a headless backend.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/lnf-data-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        std::filesystem::create_directory("lnfpac");
        platform::setBackend(&backend_);
    }
    void TearDown() override {
        platform::setBackend(nullptr);
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const std::string& line : backend_.logLines())
            if (line.find("\"type\":\"message\"") != std::string::npos) texts.push_back(line);
        return texts;
    }

    static void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static void writeFile(const std::string& path, const std::string& text) {
        writeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
    }
    static std::vector<uint8_t> readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    platform::HeadlessBackend backend_;

private:
    std::filesystem::path dir_;
    std::filesystem::path old_;
};

inline void putU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A 24-bit bottom-up BMP of the given ARGB pixels (alpha ignored), row by row from the top.
inline std::vector<uint8_t> bmp24(int w, int h, const std::vector<uint32_t>& pixels) {
    size_t rowSize = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    size_t dataSize = rowSize * h;
    std::vector<uint8_t> out(54 + dataSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<uint32_t>(out.size()));
    putU32(out, 10, 54);
    putU32(out, 14, 40);
    putU32(out, 18, static_cast<uint32_t>(w));
    putU32(out, 22, static_cast<uint32_t>(h));
    out[26] = 1;
    out[28] = 24;
    putU32(out, 34, static_cast<uint32_t>(dataSize));
    for (int y = 0; y < h; ++y) {
        uint8_t* row = &out[54 + rowSize * (h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            uint32_t p = pixels[static_cast<size_t>(y) * w + x];
            row[3 * x] = static_cast<uint8_t>(p);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    return out;
}

// An archive of the given entries; their data is stored in the order given by
// `order` (a permutation of the entry indices), so entries can lie out of order.
inline std::vector<uint8_t> archive(const std::vector<std::vector<uint8_t>>& entries,
                                    std::vector<size_t> order = {}) {
    if (order.empty())
        for (size_t i = 0; i < entries.size(); ++i) order.push_back(i);
    std::vector<uint8_t> out(4 + 264 * entries.size(), 0);
    putU32(out, 0, static_cast<uint32_t>(entries.size()));
    for (size_t i : order) {
        size_t at = 4 + 264 * i;
        out[at] = static_cast<uint8_t>('a' + i);
        putU32(out, at + 256, static_cast<uint32_t>(entries[i].size()));
        putU32(out, at + 260, static_cast<uint32_t>(out.size()));
        out.insert(out.end(), entries[i].begin(), entries[i].end());
    }
    return out;
}

}  // namespace testfiles

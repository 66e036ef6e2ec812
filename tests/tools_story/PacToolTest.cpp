// The archive writer and reader, and the pactool command line other content builds use.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FileIo.h"
#include "data/Archive.h"
#include "PacFormat.h"
#include "TempDir.h"

namespace {

tools::Bytes bytesOf(const std::string& text) { return tools::Bytes(text.begin(), text.end()); }

tools::Bytes patterned(std::size_t size, int seed) {
    tools::Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 31 + seed);
    return data;
}

// A 24-bit bottom-up BMP of one grey row above one black row.
tools::Bytes greyOverBlack(std::uint32_t width) {
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    tools::Bytes bmp = {'B', 'M'};
    tools::putU32(bmp, 54 + stride * 2);
    tools::putU32(bmp, 0);
    tools::putU32(bmp, 54);
    tools::putU32(bmp, 40);
    tools::putU32(bmp, width);
    tools::putU32(bmp, 2);
    tools::putU32(bmp, 1 | 24 << 16);  // planes, bits per pixel
    for (int i = 0; i < 6; ++i) tools::putU32(bmp, 0);
    for (int row = 0; row < 2; ++row) {
        const std::uint8_t value = row == 0 ? 0 : 0x80;  // bottom row first
        bmp.insert(bmp.end(), width * 3, value);
        bmp.insert(bmp.end(), stride - width * 3, 0);
    }
    return bmp;
}

int run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()); }

std::string runOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

}  // namespace

TEST(PacFormat, RoundTripKeepsOrderNamesAndBytes) {
    const std::vector<tools::PacEntry> entries = {
        {"title.png", patterned(1000, 1)}, {"empty.png", {}}, {"b.bmp", patterned(3, 7)}};
    tools::Bytes archive;
    std::string error;
    ASSERT_TRUE(tools::buildArchive(entries, archive, error)) << error;

    std::vector<tools::PacIndexEntry> index;
    ASSERT_TRUE(tools::parseArchive(archive, index, error)) << error;
    ASSERT_EQ(index.size(), entries.size());
    std::uint32_t expectedOffset = 4 + 264 * 3;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(index[i].name, entries[i].name);
        EXPECT_EQ(index[i].offset, expectedOffset) << "entry " << i;
        ASSERT_EQ(index[i].size, entries[i].data.size());
        EXPECT_EQ(tools::Bytes(archive.begin() + index[i].offset, archive.begin() + index[i].offset + index[i].size),
                  entries[i].data);
        expectedOffset += index[i].size;
    }
    EXPECT_EQ(archive.size(), expectedOffset);
}

TEST(PacFormat, EntryLimitsAndNames) {
    struct Case {
        std::size_t entries;
        std::string name;
        bool accepted;
    };
    const Case cases[] = {
        {0, "a.png", true},   {31, "a.png", true},  {32, "a.png", false},
        {1, "", false},       {1, std::string(255, 'n'), true}, {1, std::string(256, 'n'), false},
    };
    for (const Case& c : cases) {
        std::vector<tools::PacEntry> entries(c.entries, tools::PacEntry{c.name, bytesOf("x")});
        tools::Bytes archive;
        std::string error;
        EXPECT_EQ(tools::buildArchive(entries, archive, error), c.accepted)
            << c.entries << " entries named " << c.name.size() << " bytes: " << error;
    }
}

TEST(PacFormat, ReaderRefusesBrokenTables) {
    tools::Bytes good;
    std::string error;
    ASSERT_TRUE(tools::buildArchive({{"a.png", bytesOf("abcd")}, {"b.png", bytesOf("ef")}}, good, error));

    tools::Bytes tooMany = good;
    tooMany[0] = 32;
    tools::Bytes shortTable(good.begin(), good.begin() + 4 + 264 + 100);
    tools::Bytes pastEnd = good;
    pastEnd[4 + 264 + 256] = 3;  // second entry: size 3 where 2 bytes remain
    tools::Bytes hugeOffset = good;
    hugeOffset[4 + 260 + 3] = 0xFF;

    struct Case {
        const char* what;
        tools::Bytes archive;
        const char* message;
    };
    const Case cases[] = {
        {"no count", bytesOf("ab"), "shorter than the 4-byte entry count"},
        {"32 entries", tooMany, "entry count 32 exceeds 31"},
        {"short table", shortTable, "table of 2 entries runs past the end"},
        {"entry past end", pastEnd, "entry 1 (offset"},
        {"offset past end", hugeOffset, "entry 0 (offset"},
    };
    for (const Case& c : cases) {
        std::vector<tools::PacIndexEntry> index;
        EXPECT_FALSE(tools::parseArchive(c.archive, index, error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }
}

TEST(PacTool, PackListExtractFromTheCommandLine) {
    TempDir dir;
    const tools::Bytes first = patterned(700, 3), second = patterned(5, 9);
    std::string error;
    ASSERT_TRUE(tools::writeFile(dir.file("first.png"), first, error));
    ASSERT_TRUE(tools::writeFile(dir.file("second.bmp"), second, error));
    const std::string pac = dir.file("out.pac");
    const std::string pactool = LNF_PACTOOL;

    ASSERT_EQ(run(pactool + " pack " + pac + " " + dir.file("second.bmp") + " " + dir.file("first.png")), 0);
    EXPECT_EQ(runOutput(pactool + " list " + pac), "0 second.bmp 5 532\n1 first.png 700 537\n");

    ASSERT_EQ(run(pactool + " extract " + pac + " 1 " + dir.file("back.png")), 0);
    tools::Bytes extracted;
    ASSERT_TRUE(tools::readFile(dir.file("back.png"), extracted, error));
    EXPECT_EQ(extracted, first);

    // The same inputs give the same archive, byte for byte.
    tools::Bytes once, again;
    ASSERT_TRUE(tools::readFile(pac, once, error));
    ASSERT_EQ(run(pactool + " pack " + dir.file("again.pac") + " " + dir.file("second.bmp") + " " +
                  dir.file("first.png")),
              0);
    ASSERT_TRUE(tools::readFile(dir.file("again.pac"), again, error));
    EXPECT_EQ(once, again);

    for (const char* index : {"2", "-1", "x", ""})
        EXPECT_NE(run(pactool + " extract " + pac + " '" + index + "' " + dir.file("none.png")), 0) << index;
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.png")));
}

TEST(PacTool, RefusesThirtyTwoInputsAndWritesNothing) {
    TempDir dir;
    std::string error;
    std::string inputs;
    for (int i = 0; i < 32; ++i) {
        const std::string name = dir.file("e" + std::to_string(i) + ".png");
        ASSERT_TRUE(tools::writeFile(name, bytesOf("img"), error));
        inputs += " " + name;
    }
    const std::string pac = dir.file("big.pac");
    EXPECT_NE(run(std::string(LNF_PACTOOL) + " pack " + pac + inputs), 0);
    EXPECT_FALSE(std::filesystem::exists(pac));
    EXPECT_NE(run(std::string(LNF_PACTOOL) + " pack " + pac + " " + dir.file("missing.png")), 0);
    EXPECT_FALSE(std::filesystem::exists(pac));
}

TEST(PacTool, GameReadsWhatItPacks) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(tools::writeFile(dir.file("wide.bmp"), greyOverBlack(5), error));
    ASSERT_TRUE(tools::writeFile(dir.file("narrow.bmp"), greyOverBlack(2), error));
    const std::string pac = dir.file("set.pac");
    ASSERT_EQ(run(std::string(LNF_PACTOOL) + " pack " + pac + " " + dir.file("wide.bmp") + " " +
                  dir.file("narrow.bmp")),
              0);
    tools::Bytes archive;
    ASSERT_TRUE(tools::readFile(pac, archive, error));

    std::vector<std::unique_ptr<platform::Texture>> textures;
    std::string problem;
    ASSERT_TRUE(readArchive(archive.data(), archive.size(), 0, textures, problem)) << problem;
    EXPECT_TRUE(problem.empty()) << problem;
    ASSERT_EQ(textures.size(), 2u);
    ASSERT_NE(textures[0], nullptr);
    ASSERT_NE(textures[1], nullptr);
    EXPECT_EQ(textures[0]->width(), 5);
    EXPECT_EQ(textures[1]->width(), 2);
    EXPECT_EQ(textures[1]->texel(1, 0), 0xFF808080u);
    EXPECT_EQ(textures[1]->texel(1, 1), 0x00000000u);  // black is the key of key type 0
}

// The archive reader: entry order, colour keys, and every kind of bad archive.
#include <gtest/gtest.h>

#include <limits>

#include "data/Archive.h"
#include "TestFiles.h"

using testfiles::archive;
using testfiles::bmp24;
using testfiles::putU32;

namespace {

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kMagenta = 0xFFFF00FF;
constexpr uint32_t kGrey = 0xFF808080;

std::vector<uint8_t> keyProbe() { return bmp24(4, 1, {kBlack, kRed, kMagenta, kGrey}); }

struct Read {
    bool ok;
    std::vector<std::unique_ptr<platform::Texture>> textures;
    std::string problem;
};

Read read(const std::vector<uint8_t>& bytes, int keyType = 0) {
    Read r;
    r.ok = readArchive(bytes.data(), bytes.size(), keyType, r.textures, r.problem);
    return r;
}

}  // namespace

TEST(Archive, EntriesStoredOutOfOrderLoadByTheirOwnOffsets) {
    std::vector<std::vector<uint8_t>> entries = {bmp24(1, 1, {kGrey}), bmp24(2, 1, {kGrey, kGrey}),
                                                 bmp24(3, 2, std::vector<uint32_t>(6, kGrey))};
    Read r = read(archive(entries, {2, 0, 1}));
    ASSERT_TRUE(r.ok) << r.problem;
    EXPECT_TRUE(r.problem.empty());
    ASSERT_EQ(r.textures.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(r.textures[i], nullptr);
        EXPECT_EQ(r.textures[i]->width(), i + 1);
    }
    EXPECT_EQ(r.textures[2]->height(), 2);
}

TEST(Archive, EachKeyTypeMakesExactlyItsColourTransparent) {
    // Pixels: black, pure red, magenta, grey.
    struct Case { int keyType; uint32_t expected[4]; } cases[] = {
        {0, {0x00000000, kRed, kMagenta, kGrey}},
        {1, {kBlack, 0x00000000, kMagenta, kGrey}},
        {2, {kBlack, kRed, 0x00000000, kGrey}},
    };
    for (const Case& c : cases) {
        Read r = read(archive({keyProbe()}), c.keyType);
        ASSERT_TRUE(r.ok) << r.problem;
        ASSERT_NE(r.textures[0], nullptr);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(r.textures[0]->texel(x, 0), c.expected[x]) << "key " << c.keyType << " x " << x;
    }
    EXPECT_FALSE(read(archive({keyProbe()}), 3).ok);
}

TEST(Archive, AnEmptyArchiveHasNoEntries) {
    Read r = read(archive({}));
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.textures.empty());
}

TEST(Archive, UnusableTablesAreRefused) {
    std::vector<uint8_t> one = archive({keyProbe()});
    std::vector<uint8_t> tooMany(4 + 264 * 32, 0);
    putU32(tooMany, 0, 32);
    std::vector<uint8_t> huge(4, 0);
    putU32(huge, 0, std::numeric_limits<uint32_t>::max());
    struct Case { const char* what; std::vector<uint8_t> bytes; const char* problem; } cases[] = {
        {"no count", {1, 0}, "短すぎます"},
        {"32 entries", tooMany, "多すぎます"},
        {"count of 2^32 - 1", huge, "多すぎます"},
        {"table cut short", std::vector<uint8_t>(one.begin(), one.begin() + 200), "目次"},
    };
    for (const Case& c : cases) {
        Read r = read(c.bytes);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_TRUE(r.textures.empty()) << c.what;
        EXPECT_NE(r.problem.find(c.problem), std::string::npos) << c.what << ": " << r.problem;
    }
    std::vector<uint8_t> full(4 + 264 * 31, 0);
    putU32(full, 0, 31);
    Read r = read(full);  // 31 empty entries: a usable table, every entry reported
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.textures.size(), 31u);
    EXPECT_NE(r.problem.find("項目30"), std::string::npos);
}

TEST(Archive, BadEntriesAreLeftEmptyAndNamed) {
    std::vector<uint8_t> good = keyProbe();
    std::vector<uint8_t> bytes = archive({good, good, good, good, std::vector<uint8_t>{1, 2, 3, 4}});
    size_t size = bytes.size();
    putU32(bytes, 4 + 264 * 1 + 260, static_cast<uint32_t>(size + 1));           // offset past the end
    putU32(bytes, 4 + 264 * 2 + 256, static_cast<uint32_t>(good.size() + 1000));  // size past the end
    putU32(bytes, 4 + 264 * 3 + 256, 0x20);                                        // offset + size wraps
    putU32(bytes, 4 + 264 * 3 + 260, 0xFFFFFFF0u);
    Read r = read(bytes);
    ASSERT_TRUE(r.ok) << r.problem;
    ASSERT_EQ(r.textures.size(), 5u);
    EXPECT_NE(r.textures[0], nullptr);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(r.textures[i], nullptr) << i;
        EXPECT_NE(r.problem.find("項目" + std::to_string(i)), std::string::npos) << r.problem;
    }
    EXPECT_EQ(r.problem.find("項目0"), std::string::npos);
}

class ArchiveFile : public testfiles::InTempDir {};

TEST_F(ArchiveFile, LoadsIntoACallerOwnedArray) {
    writeFile("lnfpac/t.pac", archive({keyProbe(), bmp24(2, 2, std::vector<uint32_t>(4, kGrey))}));
    platform::Texture** textures = nullptr;
    int count = -1;
    ASSERT_TRUE(loadArchiveTextures("lnfpac/t.pac", 0, textures, count));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(textures[1]->width(), 2);
    EXPECT_TRUE(messages().empty());
    for (int i = 0; i < count; ++i) delete textures[i];
    delete[] textures;
}

TEST_F(ArchiveFile, FailuresNameTheFileAndTheProblem) {
    writeFile("lnfpac/short.pac", std::vector<uint8_t>{5, 0, 0, 0, 1});
    writeFile("lnfpac/half.pac", archive({keyProbe(), std::vector<uint8_t>{9, 9}}));
    struct Case { const char* path; bool ok; int count; const char* message; } cases[] = {
        {"lnfpac/front.pac", false, 0, "lnfpac/front.pacを読み込めません: ファイルが開けません"},
        {"lnfpac/short.pac", false, 0, "lnfpac/short.pacを読み込めません: 目次"},
        {"lnfpac/half.pac", true, 2, "lnfpac/half.pacの画像を一部読み込めません: 項目1"},
    };
    for (const Case& c : cases) {
        size_t before = messages().size();
        platform::Texture** textures = nullptr;
        int count = -1;
        EXPECT_EQ(loadArchiveTextures(c.path, 0, textures, count), c.ok) << c.path;
        EXPECT_EQ(count, c.count) << c.path;
        ASSERT_EQ(messages().size(), before + 1) << c.path;
        EXPECT_NE(messages().back().find(c.message), std::string::npos) << messages().back();
        if (c.ok) {
            EXPECT_NE(textures[0], nullptr);
            EXPECT_EQ(textures[1], nullptr);
            delete textures[0];
        } else {
            EXPECT_EQ(textures, nullptr);
        }
        delete[] textures;
    }
}

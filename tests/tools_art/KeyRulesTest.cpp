// How painted pixels become stored texels under each archive key and entry mode.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>

#include "Catalog.h"
#include "Image.h"

namespace {

art::Entry entryWith(art::EntryMode mode, art::RectUse use) {
    art::Entry entry;
    entry.width = 2;
    entry.height = 1;
    entry.mode = mode;
    entry.rects.push_back({"r", "r", 1, 0, 2, 1, 1, use});
    return entry;
}

TEST(ArtKeyRules, StoredTexelsNeverMistakeArtForTheKey) {
    struct Case {
        const char* what;
        art::EntryMode mode;
        art::RectUse use;  // of the right-hand texel
        int key;
        std::uint32_t painted;  // premultiplied, as cairo leaves it
        std::uint32_t stored;
    };
    using M = art::EntryMode;
    using U = art::RectUse;
    const Case cases[] = {
        {"nothing painted, black key", M::Alpha, U::Normal, 0, 0x00000000, 0x00000000},
        {"nothing painted, red key", M::Alpha, U::Normal, 1, 0x00000000, 0x00FF0000},
        {"nothing painted, magenta key", M::Alpha, U::Normal, 2, 0x00000000, 0x00FF00FF},
        {"dust below alpha 4 is background", M::Alpha, U::Normal, 1, 0x03030000, 0x00FF0000},
        {"opaque black art in a black-key sheet", M::Alpha, U::Normal, 0, 0xFF000000, 0xFF010101},
        {"opaque red art in a red-key sheet", M::Alpha, U::Normal, 1, 0xFFFF0000, 0xFFFE0000},
        {"opaque magenta art in a magenta-key sheet", M::Alpha, U::Normal, 2, 0xFFFF00FF, 0xFFFE00FE},
        {"red is fine in a black-key sheet", M::Alpha, U::Normal, 0, 0xFFFF0000, 0xFFFF0000},
        {"half-covered texel keeps its colour", M::Alpha, U::Normal, 1, 0x80400000, 0x80800000},
        {"additive entry flattens over black", M::Add, U::Additive, 0, 0x80400000, 0xFF400000},
        {"additive entry background is the black key", M::Add, U::Additive, 0, 0x00000000, 0xFF000000},
        {"additive rectangle in an alpha entry", M::Alpha, U::Additive, 0, 0x80402010, 0xFF402010},
        {"opaque entry over black, key nudged", M::Opaque, U::Opaque, 1, 0xFFFF0000, 0xFFFE0000},
        {"opaque entry fills holes with black", M::Opaque, U::Opaque, 1, 0x00000000, 0xFF000000},
    };
    for (const Case& c : cases) {
        const art::Entry entry = entryWith(c.mode, c.use);
        art::Image painted{2, 1, {c.painted, c.painted}};
        const art::Image stored = art::finishEntry(painted, entry, c.key);
        EXPECT_EQ(stored.pixels[1], c.stored) << c.what;
    }
}

TEST(ArtKeyRules, CheckReportsStrayKeysEmptyFramesAndHoles) {
    art::Archive archive{"t", 1, {}};
    art::Entry entry;
    entry.width = 4;
    entry.height = 1;
    entry.rects.push_back({"frames", "two frames", 0, 0, 4, 1, 2, art::RectUse::Normal});
    archive.entries.push_back(entry);
    const std::uint32_t key = 0x00FF0000, art = 0xFF204060;

    EXPECT_TRUE(art::checkEntry({4, 1, {art, key, key, art}}, archive, entry).empty());
    // Second frame empty (an opaque key texel is see-through too).
    EXPECT_EQ(art::checkEntry({4, 1, {art, art, key, 0xFFFF0000}}, archive, entry).size(), 1u);
    // A transparent texel that is not the key colour would bleed under filtering.
    EXPECT_EQ(art::checkEntry({4, 1, {art, 0x00000000, art, art}}, archive, entry).size(), 1u);
    // Wrong size is reported on its own.
    EXPECT_EQ(art::checkEntry({2, 1, {art, art}}, archive, entry).size(), 1u);

    archive.entries[0].rects[0].use = art::RectUse::Additive;
    EXPECT_TRUE(art::checkEntry({4, 1, {art, key, key, art}}, archive, archive.entries[0]).empty());
    // Drawn additively, a half-transparent texel would still add its full colour.
    EXPECT_EQ(art::checkEntry({4, 1, {art, 0x80204060, art, art}}, archive, archive.entries[0]).size(), 1u);
    archive.entries[0].rects[0].use = art::RectUse::Opaque;
    EXPECT_EQ(art::checkEntry({4, 1, {art, 0x80204060, art, art}}, archive, archive.entries[0]).size(), 1u);
    archive.entries[0].rects[0].use = art::RectUse::Clear;
    EXPECT_EQ(art::checkEntry({4, 1, {key, key, art, key}}, archive, archive.entries[0]).size(), 1u);
}

TEST(ArtKeyRules, PngRoundTripKeepsTransparentKeyColour) {
    const art::Image image{3, 2, {0x00FF0000, 0xFFFE0000, 0x80102030, 0xFF000000, 0x00FF00FF, 0x7F7F7F7F}};
    const std::string path = testing::TempDir() + "art_roundtrip-" + std::to_string(getpid()) + ".png";
    std::string error;
    ASSERT_TRUE(art::writePng(image, path, error)) << error;
    art::Image back;
    ASSERT_TRUE(art::readPng(path, back, error)) << error;
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.pixels, image.pixels);
    std::remove(path.c_str());
    EXPECT_FALSE(art::readPng(path, back, error));
    EXPECT_NE(error.find(path), std::string::npos);
}

}  // namespace

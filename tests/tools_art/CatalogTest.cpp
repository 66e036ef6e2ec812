// The catalog parser: what it accepts, what it refuses, and the shipped catalog's archive table.
#include <gtest/gtest.h>

#include <string>

#include "Catalog.h"

namespace {

const char* const kHeader = "archive a 0\nentry a 0 64 32 alpha\n";

TEST(ArtCatalog, RefusesInconsistentLinesAndNamesTheLine) {
    struct Case {
        const char* body;
        const char* problem;
        const char* line;
    };
    const Case cases[] = {
        {"rect a 0 0 0 65 32 1 n big too wide\n", "outside", "line 3"},
        {"rect a 0 0 0 64 32 3 n odd frames\n", "equal cells", "line 3"},
        {"rect a 0 8 8 8 16 1 n flat empty\n", "outside", "line 3"},
        {"rect a 0 0 0 16 16 1 x what unknown use\n", "unknown use", "line 3"},
        {"rect a 0 0 0 16 16 1 n same one\nrect a 0 0 0 8 8 1 n same two\n", "used twice", "line 4"},
        {"rect a 0 0 0 16 16 1 n nolabel\n", "expected", "line 3"},
        {"rect a 1 0 0 16 16 1 n later not listed\n", "not listed", "line 3"},
        {"entry a 2 64 64 alpha\n", "in order", "line 3"},
        {"entry a 1 48 64 alpha\n", "powers of two", "line 3"},
        {"entry a 1 64 64 shiny\n", "unknown mode", "line 3"},
        {"entry b 1 64 64 alpha\n", "not the archive", "line 3"},
        {"archive a 1\n", "twice", "line 3"},
        {"archive c 3\n", "KEY", "line 3"},
        {"frame a 0\n", "unknown line kind", "line 3"},
    };
    for (const Case& c : cases) {
        art::Catalog catalog;
        std::string error;
        EXPECT_FALSE(art::parseCatalog(std::string(kHeader) + c.body, catalog, error)) << c.body;
        EXPECT_NE(error.find(c.problem), std::string::npos) << c.body << " -> " << error;
        EXPECT_NE(error.find(c.line), std::string::npos) << error;
    }
}

TEST(ArtCatalog, ReadsFramesUsesAndLabelsWithSpaces) {
    art::Catalog catalog;
    std::string error;
    ASSERT_TRUE(art::parseCatalog(std::string(kHeader) +
                                      "# a comment\n"
                                      "rect a 0 16 8 64 24 3 a strip three frames of a strip\n",
                                  catalog, error))
        << error;
    const art::Rect& rect = catalog.archives[0].entries[0].rects[0];
    EXPECT_EQ(rect.use, art::RectUse::Additive);
    EXPECT_EQ(rect.label, "three frames of a strip");
    EXPECT_EQ(rect.cellWidth(), 16);
    EXPECT_EQ(rect.cellX(2), 48);
}

TEST(ArtCatalog, ShippedCatalogListsEveryArchiveWithItsKeyAndEntryCount) {
    art::Catalog catalog;
    std::string error;
    ASSERT_TRUE(art::loadCatalog(LNF_ART_CATALOG, catalog, error)) << error;
    struct Expected {
        const char* name;
        int key;
        std::size_t entries;
    };
    const Expected expected[] = {
        {"front", 2, 2},  {"map_b", 2, 1},    {"p_pow", 0, 1}, {"e_c", 0, 6},  {"e_s", 0, 4},   {"effect_cg", 0, 8},
        {"fontwind", 1, 2}, {"backcg", 1, 5}, {"p_sel", 0, 4}, {"p_p1", 0, 2}, {"p_p2", 0, 2},  {"p_s1", 0, 6},
        {"p_s2", 0, 5},   {"p_b1", 1, 2},     {"p_b2", 1, 2},  {"evcg", 1, 11},
    };
    EXPECT_EQ(catalog.archives.size(), std::size(expected));
    for (const Expected& e : expected) {
        const art::Archive* archive = catalog.findArchive(e.name);
        ASSERT_NE(archive, nullptr) << e.name;
        EXPECT_EQ(archive->key, e.key) << e.name;
        EXPECT_EQ(archive->entries.size(), e.entries) << e.name;
    }
    // The window copy reads 512x512 from each front entry, so those sizes are fixed.
    for (const art::Entry& entry : catalog.findArchive("front")->entries) {
        EXPECT_EQ(entry.width, 512);
        EXPECT_EQ(entry.height, 512);
    }
}

}  // namespace

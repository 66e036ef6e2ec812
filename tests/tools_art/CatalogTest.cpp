// The catalog parser: what it accepts, what it refuses, and the shipped catalog's archive table.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

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

TEST(ArtCatalog, ShippedEntrySizesAreTheOnesTheDrawingCodeAssumes) {
    struct Expected {
        const char* archive;
        std::vector<std::pair<int, int>> sizes;
    };
    const std::pair<int, int> k512{512, 512}, k256{256, 256}, k128{128, 128}, k64{64, 64}, k32{32, 32},
        k16{16, 16}, k8{8, 8};
    const Expected expected[] = {
        {"front", {k512, k512}},
        {"map_b", {k512}},
        {"p_pow", {k256}},
        {"e_c", {k32, k512, k256, k256, k512, k512}},
        {"e_s", {k32, k16, k16, k512}},
        {"effect_cg", {k256, k512, k512, k8, k512, k8, k8, k64}},
        {"fontwind", {k512, k512}},
        {"backcg", {k512, k512, k512, k512, k512}},
        {"p_sel", {k512, k512, k64, k64}},
        {"p_p1", {k256, k256}},
        {"p_p2", {k256, k256}},
        {"p_s1", {{128, 64}, k256, k128, k64, k128, k128}},
        {"p_s2", {k64, k256, k64, {128, 256}, k64}},
        {"p_b1", {k512, k512}},
        {"p_b2", {k512, k512}},
        {"evcg", std::vector<std::pair<int, int>>(11, k512)},
    };
    art::Catalog catalog;
    std::string error;
    ASSERT_TRUE(art::loadCatalog(LNF_ART_CATALOG, catalog, error)) << error;
    for (const Expected& e : expected) {
        const art::Archive* archive = catalog.findArchive(e.archive);
        ASSERT_NE(archive, nullptr) << e.archive;
        ASSERT_EQ(archive->entries.size(), e.sizes.size()) << e.archive;
        for (std::size_t i = 0; i < e.sizes.size(); ++i) {
            EXPECT_EQ(archive->entries[i].width, e.sizes[i].first) << e.archive << " " << i;
            EXPECT_EQ(archive->entries[i].height, e.sizes[i].second) << e.archive << " " << i;
        }
    }
}

// Rectangles of one entry overlap only where two users share texels on purpose.
TEST(ArtCatalog, RectanglesOverlapOnlyWhereSharingIsIntended) {
    const std::set<std::string> shared = {
        "e_c 0 shard spawnerGlow", "e_c 5 core coreEye",       "p_s1 0 boltB beamBolt",
        "p_s1 0 beamBolt chargeB", "p_s1 0 beamBolt pellet",
    };
    art::Catalog catalog;
    std::string error;
    ASSERT_TRUE(art::loadCatalog(LNF_ART_CATALOG, catalog, error)) << error;
    std::set<std::string> found;
    for (const art::Archive& archive : catalog.archives)
        for (const art::Entry& entry : archive.entries)
            for (std::size_t a = 0; a < entry.rects.size(); ++a)
                for (std::size_t b = a + 1; b < entry.rects.size(); ++b) {
                    const art::Rect& p = entry.rects[a];
                    const art::Rect& q = entry.rects[b];
                    if (p.x0 < q.x1 && q.x0 < p.x1 && p.y0 < q.y1 && q.y0 < p.y1)
                        found.insert(archive.name + " " + std::to_string(entry.index) + " " + p.id + " " + q.id);
                }
    EXPECT_EQ(found, shared);
}

}  // namespace

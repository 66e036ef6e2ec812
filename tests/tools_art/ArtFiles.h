// Shared access to the catalog and the built pictures for the art tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Catalog.h"
#include "Image.h"

inline const art::Catalog& artCatalog() {
    static art::Catalog loaded;
    static bool ready = false;
    if (!ready) {
        std::string error;
        ready = art::loadCatalog(LNF_ART_CATALOG, loaded, error);
        EXPECT_TRUE(ready) << error;
    }
    return loaded;
}

inline const art::Archive& artArchive(const char* name) {
    const art::Archive* archive = artCatalog().findArchive(name);
    EXPECT_NE(archive, nullptr) << name;
    static const art::Archive none{"none", 0, {}};
    return archive ? *archive : none;
}

inline const art::Rect& artRect(const char* archive, int entry, const char* id) {
    for (const art::Rect& rect : artArchive(archive).entries.at(entry).rects)
        if (rect.id == id) return rect;
    ADD_FAILURE() << archive << " " << entry << " has no rectangle " << id;
    static const art::Rect none{"none", "none", 0, 0, 1, 1, 1, art::RectUse::Normal};
    return none;
}

inline art::Image builtPicture(const std::string& archive, int entry) {
    art::Image image;
    std::string error;
    const std::string path = std::string(LNF_ART_DIR) + "/" + archive + "_" + std::to_string(entry) + ".png";
    EXPECT_TRUE(art::readPng(path, image, error)) << error;
    if (image.pixels.empty()) image = {1, 1, {0}};
    return image;
}

// Channel sum of a texel as the game would add it (transparent texels count as black).
inline int brightness(std::uint32_t pixel, int key) {
    if (art::isTransparent(pixel, key)) return 0;
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF));
}

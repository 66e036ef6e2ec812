// artgen: paints every entry of every archive in the catalog and writes one PNG per entry,
// or paints the application icon at one size.
//   artgen CATALOG OUTDIR [ARCHIVE]   (only that archive when named)
//   artgen icon SIZE OUT.png          (SIZE 16-1024 pixels square)
// Output is deterministic: the same catalog and fonts give the same bytes.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Catalog.h"
#include "Icon.h"
#include "Image.h"
#include "Sheet.h"

namespace {

struct Painter {
    const char* archive;
    void (*paint)(const art::Sheet&);
};

constexpr Painter kPainters[] = {
    {"front", art::paintFront},         {"map_b", art::paintMap},          {"p_pow", art::paintPower},
    {"e_c", art::paintEnemies},         {"e_s", art::paintEnemyShots},     {"effect_cg", art::paintEffects},
    {"fontwind", art::paintPortraits},  {"backcg", art::paintBackgrounds}, {"p_sel", art::paintSelect},
    {"p_p1", art::paintCraft},          {"p_p2", art::paintCraft},         {"p_s1", art::paintShotsA},
    {"p_s2", art::paintShotsB},         {"p_b1", art::paintCutins},        {"p_b2", art::paintCutins},
    {"evcg", art::paintGallery},
};

int fail(const std::string& message) {
    std::fprintf(stderr, "artgen: %s\n", message.c_str());
    return 1;
}

int paintIconFile(const std::string& sizeText, const std::string& path) {
    const int size = std::atoi(sizeText.c_str());
    if (std::to_string(size) != sizeText || size < 16 || size > 1024)
        return fail("icon size must be a whole number from 16 to 1024, not \"" + sizeText + "\"");
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    art::paintIcon(cr, size);
    cairo_destroy(cr);
    const art::Image icon = art::imageFromSurface(surface);
    cairo_surface_destroy(surface);
    std::string error;
    return art::writePng(icon, path, error) ? 0 : fail(error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "icon") return paintIconFile(argv[2], argv[3]);
    if (argc != 3 && argc != 4) return fail("usage: artgen CATALOG OUTDIR [ARCHIVE] | artgen icon SIZE OUT.png");
    art::Catalog catalog;
    std::string error;
    if (!art::loadCatalog(argv[1], catalog, error)) return fail(error);
    const std::string outDir = argv[2];
    const std::string only = argc == 4 ? argv[3] : "";
    if (!only.empty() && !catalog.findArchive(only)) return fail("the catalog has no archive " + only);
    std::vector<std::string> problems;
    for (const art::Archive& archive : catalog.archives) {
        if (!only.empty() && archive.name != only) continue;
        const Painter* painter = nullptr;
        for (const Painter& p : kPainters)
            if (archive.name == p.archive) painter = &p;
        if (!painter) return fail("no painter for archive " + archive.name);
        for (const art::Entry& entry : archive.entries) {
            cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, entry.width, entry.height);
            cairo_t* cr = cairo_create(surface);
            const art::Sheet sheet{cr, archive, entry, problems};
            painter->paint(sheet);
            cairo_destroy(cr);
            const art::Image painted = art::imageFromSurface(surface);
            cairo_surface_destroy(surface);
            const art::Image stored = art::finishEntry(painted, entry, archive.key);
            // A picture that breaks the key rules is reported and not written, so the build stops
            // instead of packing it.
            const std::vector<std::string> found = art::checkEntry(stored, archive, entry);
            problems.insert(problems.end(), found.begin(), found.end());
            if (found.empty() && !art::writePng(stored, outDir + "/" + art::pngName(archive, entry), error))
                return fail(error);
        }
    }
    for (const std::string& problem : problems) std::fprintf(stderr, "artgen: %s\n", problem.c_str());
    return problems.empty() ? 0 : 1;
}

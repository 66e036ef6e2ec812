// Rectangle look-up for the painters.
#include "Sheet.h"

namespace art {

const Rect& Sheet::rect(const char* id) const {
    for (const Rect& r : entry.rects)
        if (r.id == id) return r;
    static const Rect standIn{"missing", "missing", 0, 0, 1, 1, 1, RectUse::Normal};
    errors.push_back(archive.name + " entry " + std::to_string(entry.index) + ": no rectangle \"" + id + "\"");
    return standIn;
}

}  // namespace art

// p_p1.pac / p_p2.pac: each pilot's craft, four idle rows of the normal and the double-charge poses.
#include "Figures.h"
#include "Sheet.h"

namespace art {

void paintCraft(const Sheet& sheet) {
    const int character = sheet.archive.name == "p_p2" ? 1 : 0;
    static constexpr CraftPose kNormal[4] = {CraftPose::Neutral, CraftPose::Right, CraftPose::Left,
                                             CraftPose::Neutral};
    static constexpr CraftPose kCharge[4] = {CraftPose::Charged, CraftPose::Release1, CraftPose::Release2,
                                             CraftPose::Release3};
    const bool charge = sheet.entry.index == 1;
    for (int row = 0; row < 4; ++row) {
        const Rect& strip = sheet.rect(charge ? ("poses1row" + std::to_string(row)).c_str()
                                              : ("poses0row" + std::to_string(row)).c_str());
        for (int column = 0; column < 4; ++column)
            drawCraft(sheet.cr, strip.cellX(column), strip.y0, character,
                      charge ? kCharge[column] : kNormal[column], row);
    }
}

}  // namespace art

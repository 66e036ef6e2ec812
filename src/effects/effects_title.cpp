// The title screen's picture and its five menu captions; the caption under
// the cursor is shown large and opaque.
#include "data/ButtonConfig.h"
#include "effects/EffectRules.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"

namespace effects {

namespace {

// Columns: kind; menu entry; row on screen.
struct TitleEntryRow {
    int kind;
    int32_t index;
    float y;
};

constexpr TitleEntryRow kTitleEntries[] = {
    {15, 0, 0}, {2000, 1, 50}, {16, 2, 100}, {33, 3, 150}, {17, 4, 200},
};

// The title menu keeps its cursor in the hold counter of shot B's button.
int32_t titleCursor()
{
    int button = g_actionButton[kActionShotB];
    return button >= 0 && button < kPhysicalButtons ? g_buttonHeld[button] : -1;
}

}  // namespace

void updateTitleBackground(GameObject& e)
{
    e.setX(0);
    e.setY(0);
}

void updateTitleEntry(GameObject& e)
{
    for (const TitleEntryRow& row : kTitleEntries) {
        if (row.kind != e.kind())
            continue;
        bool chosen = titleCursor() == row.index;
        placeAt(e, 0, row.y, chosen ? 240 : 160, chosen ? 60 : 40);
        e.setAlpha(chosen ? 255 : 100);
        return;
    }
}

}  // namespace effects

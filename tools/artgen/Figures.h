// The cast: the two pilots, their partners and the bosses as bust portraits, and the two lantern-craft.
#pragma once

#include <cairo.h>

#include "Paint.h"

namespace art {

enum class Hair { Long, Bob, TwinTails, Ponytail, Spiky };
enum class Accessory { None, Ribbon, Goggles, FoxEars, Horns, Crown, Hat, Glasses, Mask };
enum class Expression { Neutral, Smile, Angry, Surprised, Sad, Determined, Joy, Hurt };

struct Look {
    Colour skin, hair, eye, outfit, trim;
    Hair hairStyle;
    Accessory accessory;
};

namespace cast {
extern const Look kPilot0;    // shrine-lantern keeper: black-violet hair, vermilion and gold
extern const Look kPilot1;    // clockwork tinker: silver hair, teal and silver
extern const Look kPartner0;  // the keeper's fox-spirit companion
extern const Look kPartner1;  // the tinker's bespectacled mechanic friend
extern const Look kBoss7;     // the masked jester who turns the controls around
extern const Look kBoss1;     // the horned general of the large boss
extern const Look kBoss9;     // the gunship's captain
extern const Look kBoss10;    // the moon priestess of the orbit boss
extern const Look kBoss8;     // the shadow queen of the final boss
}  // namespace cast

// A bust in a square box of `size` pixels: head, shoulders and the expression.
void drawBust(cairo_t* cr, double x, double y, double size, const Look& look, Expression expression);
// The same bust over a framed night backdrop tinted by `accent`.
void drawPortrait(cairo_t* cr, double x, double y, double size, const Look& look, Expression expression,
                  Colour accent);

enum class CraftPose { Neutral, Right, Left, Charged, Release1, Release2, Release3 };

// A lantern-craft in a 64x64 cell facing right, its core over texels 36-41 x 33-38.
// `phase` 0-3 is the idle animation row.
void drawCraft(cairo_t* cr, double x, double y, int character, CraftPose pose, int phase);

}  // namespace art

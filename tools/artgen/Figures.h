// The cast: the two pilots, their partners and the bosses as bust portraits, and the two lantern-craft.
#pragma once

#include <cairo.h>

#include "Paint.h"

namespace art {

enum class Hair { Long, Bob, TwinTails, Ponytail, Spiky };
enum class Accessory { None, Ribbon, Goggles, FoxEars, Horns, Crown, Hat, Glasses, Mask, Beard };
enum class Expression { Neutral, Smile, Angry, Surprised, Sad, Determined, Joy, Hurt };

struct Look {
    Colour skin, hair, eye, outfit, trim;
    Hair hairStyle;
    Accessory accessory;
};

namespace cast {
extern const Look kPilot0;    // Hibana the night courier: dark bob, aviator goggles, vermilion and gold
extern const Look kPilot1;    // Yoi the lantern keeper: long silver hair, teal ribbon, paper-white robe
extern const Look kPartner0;  // Komachi, who guides Hibana over the radio
extern const Look kPartner1;  // Gensai, the old craftsman who keeps Yoi's lantern boat flying
extern const Look kBoss7;     // Sakasa, the masked jester who turns the controls around
extern const Look kBoss1;     // Gouka, the horned general of the war-lantern
extern const Look kBoss9;     // Kurogane, captain of the iron gunship
extern const Look kBoss10;    // Rinne, the moon priestess of the orbit
extern const Look kBoss8;     // Tobari, the veiled mistress of the curtain, masked
extern const Look kBoss8Unmasked;
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

// The way from the title to the first stage: opening the selection, fixing
// the character, releasing what the other character would have needed, and
// the final confirm that hands over to stage loading. The headless runner's
// direct start takes the same steps without the screens.
#pragma once

// g_character while the selection screen has not chosen one.
constexpr int kNoCharacter = 99;
// Each character has four sub-weapons; entry e of character c is type e + 4c.
constexpr int kSubWeaponEntries = 4;

// Loads the selection's texture sets afresh and puts the selection in its
// character phase. False when a set cannot be read (its loader has said so).
bool openSelection();

// Character 0 or 1: its conversation portraits, and the craft at (300, 200).
void chooseCharacter(int character);

// Once per selection: the chosen character's sub-weapon phase releases the
// other character's shot pictures; character 1 also takes its own craft into
// the player sheet. False when that sheet cannot be read.
bool trimSelectionTextures(int character);

// The final confirm with sub-weapon entry 0-3 of the chosen character: the
// loadout is fixed, the demonstration's shots and latches are cleared, the
// selection pictures released, the cut-in pictures loaded and, with the
// story, the story text too; the next scene loads the stage. False when a
// file could not be read.
bool confirmLoadout(int entry);

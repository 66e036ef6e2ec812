// Reads a stage source file into a Stage. The text format, one directive a line
// ('#' starts a comment outside tile rows):
//
//   include legend.txt                  legend lines from a file next to this one
//   legend R 17                         tile character R is tile 17 ('.' is usually 0)
//   legend R family 16                  R is the family at 16..24, the piece picked per
//                                       cell from its empty neighbours (fill, top, bottom,
//                                       left, right, then the four corners)
//   start x=64 y=208                    craft top-left in screen pixels
//   tiles                               tile rows follow, one character per tile,
//   ....RRRR....                        every row the same width,
//   end                                 up to this line
//   char type=hatch x=640 y=352 param0=2 param1=33
//   char type=generator kind=2 col=30 row=4 param1=132
//                                       a map character: type by number or name
//                                       (block beam crawler hatch turret spiral fourway
//                                       rotator generator), position as x/y in map pixels
//                                       or col/row in tiles, param0..param3 default 0
//   scroll direction=right length=40 speed=1000
//   scroll direction=end                direction by code 0-8 or name (down-left down
//                                       down-right left right up-left up up-right end)
#pragma once

#include "MapStage.h"

#include <string>
#include <vector>

namespace mapc {

// Parses text as the contents of the file at path (includes are read relative
// to it). Returns false with at least one diagnostic when the text is malformed;
// the level-design rules are checked separately.
bool parseStage(const std::string& path, const std::string& text, Stage& stage,
                std::vector<Diagnostic>& diagnostics);

// Reads the file and parses it.
bool readStage(const std::string& path, Stage& stage, std::vector<Diagnostic>& diagnostics);

// True for tile numbers that name a terrain cell of the tile sheet rather than
// one of the pictures that map characters and bullets draw from it.
bool isTerrainTile(int tile);

}  // namespace mapc

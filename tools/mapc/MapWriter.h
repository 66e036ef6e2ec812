// Lays stages out as the stage archive "lnfpac/map.pac".
//
// Every value is a 32-bit little-endian signed word:
//   word 0        N, the number of stages
//   then per stage, in order: its size S in words counting this word, then its block:
//     W, H                      columns and rows of the tile area
//     H x W tiles               row by row from the top, each row from the left
//     49                        marker
//     startX, startY, 0, 0, 0, 0  craft top-left in screen pixels, four unused words
//     K, then K x (type, x, y, param0, param1, param2, param3)
//     M, then M x 4 zero words that the game skips, then M x (direction, length, speed)
#pragma once

#include "MapStage.h"

#include <cstdint>
#include <vector>

namespace mapc {

std::vector<std::uint8_t> writeMapPac(const std::vector<Stage>& stages);

}  // namespace mapc

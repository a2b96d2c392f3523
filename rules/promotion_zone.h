#pragma once

#include "state/pieces.h"

namespace rules {

// True when the piece may promote on a move from row fy to row ty. Zones:
// rows 7..9 for the upper side, rows 1..3 for the lower. Pawn, lance and
// knight promote only by arriving; silver, bishop and rook also by leaving.
// 例: 成れる(5, 4, -銀) == false, 成れる(3, 4, -銀) == true
constexpr bool 成れる(int fy, int ty, int piece) {
    // clang-format off
    switch (piece) {
        case -歩: case -香: case -桂: return ty < 4;
        case -銀: case -角: case -飛: return ty < 4 || fy < 4;
        case 歩: case 香: case 桂: return ty > 6;
        case 銀: case 角: case 飛: return ty > 6 || fy > 6;
        default: return false;
    }
    // clang-format on
}

}  // namespace rules

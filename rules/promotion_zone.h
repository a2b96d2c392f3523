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
        case -state::歩: case -state::香: case -state::桂: return ty < 4;
        case -state::銀: case -state::角: case -state::飛: return ty < 4 || fy < 4;
        case state::歩: case state::香: case state::桂: return ty > 6;
        case state::銀: case state::角: case state::飛: return ty > 6 || fy > 6;
        default: return false;
    }
    // clang-format on
}

}  // namespace rules

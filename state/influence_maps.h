#pragma once

#include "state/grid.h"

namespace state {

using Map = state::Grid<int>;

inline constexpr int kNone = 999;  // no piece recorded

// The per-square maps of both sides. Each survey rewrites only its own
// side's maps; the maps marked "not cleared" keep what an earlier survey
// wrote and mean something only where their value map is below 999.
struct InfluenceMaps {
    // Human side (勢力調査_MAN).
    Map manCount;     // control count
    Map manDef;       // cheapest defender value, 999 = none
    Map manAtkCount;  // attacker count on a computer piece
    Map manAtk;       // cheapest attacker value, 999 = none
    Map manAtkX;      // its square
    Map manAtkY;
    Map manCheck;      // checker marks: 9 checker, 1 between slider and king
    int manKingX = 0;  // not cleared
    int manKingY = 0;

    // Computer side (勢力調査_COM).
    Map comCount;
    Map comAtk;   // cheapest attacker value on a human piece
    Map comAtkX;  // not cleared
    Map comAtkY;  // not cleared
    Map comDef;   // cheapest defender value on a computer piece
    Map comDefX;  // not cleared
    Map comDefY;  // not cleared
    Map comCheck;
    int comKingX = 0;  // not cleared; only the computer's 王
    int comKingY = 0;
};

// Pins found by 調査_移動不可駒 on the position before the computer's move.
struct PinMarks {
    Map manPinned;
    int comHasPinned = 0;
};

}  // namespace state

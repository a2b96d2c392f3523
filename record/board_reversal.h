#pragma once

#include "state/move_record.h"
#include "state/pieces.h"

namespace record {

// The half turn: every code c on (X, Y) becomes -c on (10 - X, 10 - Y), so
// the position is turned about and every piece changes owner.
// 例: a lower pawn on (7, 7) becomes an upper pawn on (3, 3).
void 盤面半回転(state::Board& board);

// The record as seen from the other side of the board: every square turned
// about and every code's owner exchanged, so that the recapture rule reads a
// turned board's record as it reads the real one.
state::MoveRecord 記録半回転(const state::MoveRecord& r);

}  // namespace record

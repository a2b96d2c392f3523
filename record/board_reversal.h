#pragma once

#include "state/pieces.h"

namespace record {

// The half turn: every code c on (X, Y) becomes -c on (10 - X, 10 - Y), so
// the position is turned about and every piece changes owner.
// 例: a lower pawn on (7, 7) becomes an upper pawn on (3, 3).
void 盤面半回転(rules::Board& board);

}  // namespace record

#include "record/board_reversal.h"

namespace record {

void 盤面半回転(rules::Board& board) {
    const rules::Board copy = board;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) board(10 - x, 10 - y) = -copy(x, y);
}

}  // namespace record

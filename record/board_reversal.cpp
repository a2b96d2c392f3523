#include "record/board_reversal.h"

namespace record {

void 盤面半回転(state::Board& board) {
    const state::Board copy = board;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) board(10 - x, 10 - y) = -copy(x, y);
}

state::MoveRecord 記録半回転(const state::MoveRecord& r) {
    state::MoveRecord t = r;
    for (int k = 0; k <= r.last; ++k) {
        if (k > 0) {
            t.fromX[k] = 10 - r.fromX[k];
            t.fromY[k] = 10 - r.fromY[k];
            t.toX[k] = 10 - r.toX[k];
            t.toY[k] = 10 - r.toY[k];
        }
        t.moved[k] = -r.moved[k];
        t.placed[k] = -r.placed[k];
        t.captured[k] = -r.captured[k];
    }
    return t;
}

}  // namespace record

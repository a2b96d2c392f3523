#include "rules/move_execution.h"

#include <cassert>

#include "rules/promotion_zone.h"
#include "state/game_data.h"

namespace rules {

using namespace state;

int 調査_駒成(int fx, int fy, int tx, int ty, int piece, int& promoted) {
    (void)fx;
    (void)tx;  // promotion depends on the rows only
    if (!成れる(fy, ty, piece)) return 無;
    promoted = piece >= 1 ? piece + 1 : piece - 1;
    return 有;
}

int 移動後チェック(int ty, int piece) {
    // clang-format off
    switch (piece) {
        case 歩: case 香: return ty == 9 ? 無 : 有;
        case 桂: return ty > 7 ? 無 : 有;
        case -歩: case -香: return ty == 1 ? 無 : 有;
        case -桂: return ty < 3 ? 無 : 有;
        default: return 有;
    }
    // clang-format on
}

void 手順保存(state::GameData& g, int fx, int fy, int tx, int ty, int moved, int placed, bool secondStep) {
    手順保存(g.board, g.record, fx, fy, tx, ty, moved, placed, secondStep);
}

void 手順保存(const Board& board, MoveRecord& r, int fx, int fy, int tx, int ty, int moved, int placed,
              bool secondStep) {
    // A bad square or code here would be saved and replayed as a move.
    assert(onBoard(fx, fy) && onBoard(tx, ty) && isPieceCode(moved) && isPieceCode(placed));
    assert(0 <= r.counter && r.counter <= MoveRecord::kCapacity);
    if (r.full()) return;
    const int k = ++r.counter;
    r.fromX[k] = fx;
    r.fromY[k] = fy;
    r.toX[k] = tx;
    r.toY[k] = ty;
    r.moved[k] = moved;
    r.placed[k] = placed;
    r.captured[k] = board(tx, ty);
    r.secondStep[k] = secondStep;
    r.last = k;
}

void 盤面移動(state::GameData& g, int fx, int fy, int tx, int ty, int piece) {
    盤面移動(g.board, fx, fy, tx, ty, piece);
}

void 盤面移動(Board& board, int fx, int fy, int tx, int ty, int piece) {
    assert(onBoard(fx, fy) && onBoard(tx, ty) && isPieceCode(piece));
    board(tx, ty) = piece;
    board(fx, fy) = 空;
}

void 手を記録して指す(Board& board, MoveRecord& record, const Move& m) {
    const Move first = m.firstStep();
    手順保存(board, record, first.fromX, first.fromY, first.toX, first.toY, first.moved, first.placed);
    盤面移動(board, first.fromX, first.fromY, first.toX, first.toY, first.placed);
    if (!m.twoStep) return;
    const Move second = m.secondStep();
    手順保存(board, record, second.fromX, second.fromY, second.toX, second.toY, second.moved, second.placed,
             true);
    盤面移動(board, second.fromX, second.fromY, second.toX, second.toY, second.placed);
}

void 取得_駒移動座標(int piece, int x, int y, int& x1, int& x2, int& y1, int& y2) {
    x1 = 1, x2 = 9, y1 = 1, y2 = 9;
    // clang-format off
    switch (piece) {
        case 歩: x1 = x2 = x; y1 = y2 = y + 1; break;
        case 香: x1 = x2 = x; y1 = y + 1; y2 = 9; break;
        case 桂: x1 = x - 2; x2 = x + 2; y1 = y; y2 = y + 2; break;
        case 銀: case と: case 金: case 王: x1 = x - 1; x2 = x + 1; y1 = y - 1; y2 = y + 1; break;
        case 鵺王: x1 = x - 2; x2 = x + 2; y1 = y - 2; y2 = y + 2; break;
        default: break;
    }
    // clang-format on
    if (x1 < 1) x1 = 1;
    if (y1 < 1) y1 = 1;
    if (x2 > 9) x2 = 9;
    if (y2 > 9) y2 = 9;
}

}  // namespace rules

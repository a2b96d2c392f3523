#include "rules/move_check.h"

#include <cstdlib>

#include "state/board_trial.h"

namespace rules {

using namespace state;
namespace {

int sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

bool kingStep(int dx, int dy) { return std::abs(dx) <= 1 && std::abs(dy) <= 1; }

// A Nue King may not take the other Nue King while that one is guarded,
// except on its second step.
bool guardedNueKing(Board& b, const MoveContext& c, int fx, int fy, int tx, int ty) {
    if (c.secondStep) return false;
    const int target = b(tx, ty);
    if (target == 鵺王) return 調査_鵺守(b, c, Side::Upper, fx, fy, tx, ty) == 有;
    if (target == -鵺王) return 調査_鵺守(b, c, Side::Lower, fx, fy, tx, ty) == 有;
    return false;
}

bool pieceMoves(Board& b, const MoveContext& c, int fx, int fy, int tx, int ty, int piece) {
    const int f = piece >= 1 ? 1 : -1;
    const int dx = tx - fx;
    const int dy = ty - fy;
    switch (magnitude(piece)) {
        case 歩: return dx == 0 && dy == f;
        case 香: return dx == 0 && sign(dy) == f && 移動チェック上下(b, fx, fy, tx, ty) == 有;
        case 桂: return std::abs(dx) == 1 && dy == 2 * f;
        case 銀: return std::abs(dx) <= 1 && (dy == f || (dy == -f && dx != 0));
        case と:
        case 成香:
        case 成桂:
        case 成銀:
        case 金: return (std::abs(dx) <= 1 && (dy == f || dy == 0)) || (dx == 0 && dy == -f);
        case 角: return 移動チェック角(b, fx, fy, tx, ty) == 有;
        case 飛: return 移動チェック飛車(b, fx, fy, tx, ty) == 有;
        case 馬: return kingStep(dx, dy) || 移動チェック角(b, fx, fy, tx, ty) == 有;
        case 龍: return kingStep(dx, dy) || 移動チェック飛車(b, fx, fy, tx, ty) == 有;
        case 王: return kingStep(dx, dy);
        case 鵺王: return std::abs(dx) <= 2 && std::abs(dy) <= 2 && !guardedNueKing(b, c, fx, fy, tx, ty);
        default: return false;
    }
}

}  // namespace

// 先鵺子: nobody may take a Nue King right after the other Nue King was
// taken, unless the move before that was the attacked Nue King's own.
bool 先鵺子(const RecaptureFact& f, int target) {
    if (target != 鵺王 && target != -鵺王) return false;
    if (f.lastCaptured != -target) return false;
    return f.previousPlaced != target;
}

RecaptureFact 直前の記録(const MoveRecord& r) {
    const int n = r.counter;
    if (n < 1) return {};
    return {r.captured[static_cast<std::size_t>(n)], r.placed[static_cast<std::size_t>(n - 1)]};
}

int 移動チェック(Board& board, const MoveContext& c, int fx, int fy, int tx, int ty, int piece) {
    if (!onBoard(tx, ty)) return 無;
    const int target = board(tx, ty);
    if (piece >= 1 ? target >= 1 : target <= -1) return 無;
    if (fx == tx && fy == ty) return 無;
    if (先鵺子(c.recapture, target)) return 無;
    return pieceMoves(board, c, fx, fy, tx, ty, piece) ? 有 : 無;
}

int 移動チェック飛車(const Board& b, int fx, int fy, int tx, int ty) {
    if (fx != tx && fy != ty) return 無;
    if (移動チェック上下(b, fx, fy, tx, ty) == 有) return 有;
    if (移動チェック左右(b, fx, fy, tx, ty) == 有) return 有;
    return 無;
}

int 移動チェック上下(const Board& b, int fx, int fy, int tx, int ty) {
    if (fx != tx || fy == ty) return 無;
    const int step = ty > fy ? 1 : -1;
    for (int y = fy + step; y != ty; y += step)
        if (b(fx, y) != 空) return 無;
    return 有;
}

int 移動チェック左右(const Board& b, int fx, int fy, int tx, int ty) {
    if (fy != ty || fx == tx) return 無;
    const int step = tx > fx ? 1 : -1;
    for (int x = fx + step; x != tx; x += step)
        if (b(x, fy) != 空) return 無;
    return 有;
}

int 移動チェック角(const Board& b, int fx, int fy, int tx, int ty) {
    const int dx = tx - fx;
    const int dy = ty - fy;
    if (dy != dx && dy != -dx) return 無;
    if (dx == 0) return 有;  // no square between a square and itself
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    for (int x = fx + sx, y = fy + sy; x != tx; x += sx, y += sy)
        if (b(x, y) != 空) return 無;
    return 有;
}

int 調査_鵺守(Board& b, const MoveContext& c, Side side, int fx, int fy, int nx, int ny) {
    state::BoardTrial bothLifted(b);
    bothLifted.set(nx, ny, 空);
    bothLifted.set(fx, fy, 空);
    int answer = 無;
    for (int x = 1; x <= 9 && answer == 無; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int p = b(x, y);
            const bool guard = side == Side::Lower ? (p <= -1 && p != -鵺王) : (p >= 1 && p != 鵺王);
            if (guard && 移動チェック(b, c, x, y, nx, ny, p) == 有) {
                answer = 有;
                break;
            }
        }
    }
    return answer;
}

}  // namespace rules

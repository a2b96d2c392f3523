#include "rules/position.h"

#include <algorithm>
#include <cstdlib>

#include "rules/move_execution.h"
#include "state/board_trial.h"

namespace rules {

using namespace state;

namespace {

bool owns(int side, int code) { return side > 0 ? code >= 1 : code <= -1; }
bool adjacent(int x, int y, int tx, int ty) { return std::abs(tx - x) <= 1 && std::abs(ty - y) <= 1; }

// The second steps of the Nue King that stepped from (x, y) to (tx, ty),
// taking `taken`: the board already shows the first step.
void addSecondSteps(Board& b, const RecaptureFact& afterFirst, int x, int y, int tx, int ty, int nue,
                    int taken, std::vector<state::Move>& out) {
    const int stepPiece = nue > 0 ? 王 : -王;
    const MoveContext second{afterFirst, true};
    for (int x2 = tx - 1; x2 <= tx + 1; ++x2)
        for (int y2 = ty - 1; y2 <= ty + 1; ++y2)
            if (onBoard(x2, y2) && 移動チェック(b, second, tx, ty, x2, y2, stepPiece) == 有)
                out.push_back(state::Move{x, y, tx, ty, true, x2, y2, nue, nue, taken, b(x2, y2)});
}

}  // namespace

Position::Position(const Board& board, const MoveRecord& record, int side)
    : board_(board), record_(record), side_(side > 0 ? 1 : -1) {
    record_.last = record_.counter;
}

std::vector<state::Move> Position::合法手() const {
    std::vector<state::Move> out;
    Board b = board_;  // the guard test lifts pieces for a moment
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) addMovesFrom(b, x, y, out);
    return out;
}

std::vector<state::Move> Position::合法手(int x, int y) const {
    std::vector<state::Move> out;
    if (!onBoard(x, y)) return out;
    Board b = board_;
    addMovesFrom(b, x, y, out);
    return out;
}

bool Position::合法か(const state::Move& m) const {
    const std::vector<state::Move> legal = 合法手(m.fromX, m.fromY);
    return std::find(legal.begin(), legal.end(), m) != legal.end();
}

void Position::addMovesFrom(Board& b, int x, int y, std::vector<state::Move>& out) const {
    const int p = b(x, y);
    if (!owns(side_, p)) return;
    const MoveContext first{直前の記録(record_), false};
    // After a Nue King's first step the record's last entry is the step itself.
    const int lastPlaced = record_.placed[static_cast<std::size_t>(record_.counter)];
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
            if (移動チェック(b, first, x, y, tx, ty, p) != 有) continue;
            const int taken = b(tx, ty);
            if (magnitude(p) == 鵺王) {
                out.push_back(state::Move{x, y, tx, ty, false, 0, 0, p, p, taken, 0});
                if (!adjacent(x, y, tx, ty)) continue;
                state::BoardTrial stepped(b);
                stepped.move(x, y, tx, ty, p);
                addSecondSteps(b, {taken, lastPlaced}, x, y, tx, ty, p, taken, out);
                continue;
            }
            int promoted = p;
            if (調査_駒成(x, y, tx, ty, p, promoted) == 有) {
                out.push_back(state::Move{x, y, tx, ty, false, 0, 0, p, promoted, taken, 0});
                if (移動後チェック(ty, p) == 無) continue;
            }
            out.push_back(state::Move{x, y, tx, ty, false, 0, 0, p, p, taken, 0});
        }
}

void Position::着手(const state::Move& m) {
    手を記録して指す(board_, record_, m);
    side_ = -side_;
}

Outcome Position::結果() const {
    // What the last move took, both steps of a Nue King's two-step move.
    const int n = record_.counter;
    const auto at = [](int k) { return static_cast<std::size_t>(k); };
    EndFacts f;
    f.mover = -side_;
    if (n >= 1) f.captured = record_.captured[at(n)];
    if (n >= 2 && record_.secondStep[at(n)]) f.captured2 = record_.captured[at(n - 1)];
    f.nextCanMove = !合法手().empty();
    f.recordFull = record_.full();
    return 終局判定(f);
}

}  // namespace rules

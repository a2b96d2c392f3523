#include "rules/position.h"

#include <cstdlib>

#include "rules/move_execution.h"
#include "state/board_trial.h"

namespace rules {

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
    : board_(board),
      side_(side > 0 ? 1 : -1),
      recapture_(直前の記録(record)),
      lastPlaced_(record.placed[static_cast<std::size_t>(record.counter)]),
      entries_(record.counter) {
    // What the last move took, both steps of a Nue King's two-step move.
    const int n = record.counter;
    if (n >= 1) last_.captured = record.captured[static_cast<std::size_t>(n)];
    if (n >= 2 && record.secondStep[static_cast<std::size_t>(n)])
        last_.captured2 = record.captured[static_cast<std::size_t>(n - 1)];
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

void Position::addMovesFrom(Board& b, int x, int y, std::vector<state::Move>& out) const {
    const int p = b(x, y);
    if (!owns(side_, p)) return;
    const MoveContext first{recapture_, false};
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
            if (移動チェック(b, first, x, y, tx, ty, p) != 有) continue;
            const int taken = b(tx, ty);
            if (magnitude(p) == 鵺王) {
                out.push_back(state::Move{x, y, tx, ty, false, 0, 0, p, p, taken, 0});
                if (!adjacent(x, y, tx, ty)) continue;
                state::BoardTrial stepped(b);
                stepped.move(x, y, tx, ty, p);
                addSecondSteps(b, {taken, lastPlaced_}, x, y, tx, ty, p, taken, out);
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

void Position::step(int fx, int fy, int tx, int ty, int placed) {
    recapture_ = {board_(tx, ty), lastPlaced_};
    board_(tx, ty) = placed;
    board_(fx, fy) = 空;
    lastPlaced_ = placed;
    ++entries_;
}

void Position::着手(const state::Move& m) {
    last_ = m;
    last_.captured = board_(m.toX, m.toY);
    step(m.fromX, m.fromY, m.toX, m.toY, m.twoStep ? m.moved : m.placed);
    if (m.twoStep) {
        last_.captured2 = board_(m.toX2, m.toY2);
        step(m.toX, m.toY, m.toX2, m.toY2, m.placed);
    }
    side_ = -side_;
}

Outcome Position::結果() const {
    EndFacts f;
    f.mover = -side_;
    f.captured = last_.captured;
    f.captured2 = last_.captured2;
    f.nextCanMove = !合法手().empty();
    f.recordFull = entries_ >= MoveRecord::kCapacity;
    return 終局判定(f);
}

}  // namespace rules

#include "control/piece_move.h"

#include "display/board_drawing.h"
#include "rules/move_execution.h"
#include "state/game.h"

namespace control {

void 駒移動(Game& g, int fx, int fy, int tx, int ty, int piece) {
    // The source's outlines are cleared while the piece still stands there.
    display::描画_移動可能桝色(g, fx, fy, kGreen, piece);
    display::描画_桝(g, fx, fy);
    rules::盤面移動(g, fx, fy, tx, ty, piece);
    display::描画_駒(g, piece, tx, ty);
    display::描画_桝輪郭(g, kGreen, tx, ty);
}

void 手を指す(Game& g, const state::Move& m) {
    const int first = m.twoStep ? m.moved : m.placed;
    rules::手順保存(g, m.fromX, m.fromY, m.toX, m.toY, m.moved, first);
    駒移動(g, m.fromX, m.fromY, m.toX, m.toY, first);
    if (!m.twoStep) return;
    rules::手順保存(g, m.toX, m.toY, m.toX2, m.toY2, m.moved, m.placed, true);
    駒移動(g, m.toX, m.toY, m.toX2, m.toY2, m.placed);
}

}  // namespace control

#include "control/piece_move.h"

#include "display/board_drawing.h"
#include "rules/move_execution.h"
#include "state/game.h"

namespace control {

using namespace state;

void 駒移動(Game& g, int fx, int fy, int tx, int ty, int piece) {
    // The source's outlines are cleared while the piece still stands there.
    display::描画_移動可能桝色(g, fx, fy, kGreen, piece);
    display::描画_桝(g, fx, fy);
    rules::盤面移動(g, fx, fy, tx, ty, piece);
    display::描画_駒(g, piece, tx, ty);
    display::描画_桝輪郭(g, kGreen, tx, ty);
}

void 一歩を指す(Game& g, const Move& step, bool secondStep) {
    rules::手順保存(g, step.fromX, step.fromY, step.toX, step.toY, step.moved, step.placed, secondStep);
    駒移動(g, step.fromX, step.fromY, step.toX, step.toY, step.placed);
}

void 手を指す(Game& g, const Move& m) {
    一歩を指す(g, m.firstStep());
    if (m.twoStep) 一歩を指す(g, m.secondStep(), true);
}

}  // namespace control

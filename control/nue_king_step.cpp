#include "control/nue_king_step.h"

#include <cassert>

#include "control/piece_move.h"
#include "display/board_drawing.h"
#include "state/game.h"

namespace control {

using namespace state;

int 移動処理_鵺(Game& g, int& fx, int& fy, int tx, int ty, int stepPiece) {
    assert(stepPiece == state::王 || stepPiece == -state::王);
    const int nue = stepPiece == -state::王 ? -state::鵺王 : state::鵺王;
    g.port.playSound(g.state.sounds.piece);
    駒移動(g, fx, fy, tx, ty, nue);
    display::描画_移動可能桝色(g, tx, ty, g.state.movableColour, stepPiece);
    g.state.stepState = 2;
    display::描画_桝輪郭(g, kLightRed, tx, ty);
    fx = tx;
    fy = ty;
    return state::無;
}

}  // namespace control

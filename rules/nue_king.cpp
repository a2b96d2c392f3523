#include "rules/nue_king.h"

#include <cassert>

#include "control/game.h"
#include "display/board_drawing.h"
#include "rules/move_execution.h"

namespace rules {

int 移動処理_鵺(control::Game& g, int& fx, int& fy, int tx, int ty, int stepPiece) {
    assert(stepPiece == 王 || stepPiece == -王);
    const int nue = stepPiece == -王 ? -鵺王 : 鵺王;
    g.port.playSound(g.state.sounds.piece);
    駒移動(g, fx, fy, tx, ty, nue);
    display::描画_移動可能桝色(g, tx, ty, g.state.movableColour, stepPiece);
    g.state.stepState = 2;
    display::描画_桝輪郭(g, control::kLightRed, tx, ty);
    fx = tx;
    fy = ty;
    return 無;
}

}  // namespace rules

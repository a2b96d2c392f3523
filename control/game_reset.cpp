#include "control/game_reset.h"

#include "display/board_drawing.h"
#include "state/game.h"

namespace control {

using namespace state;

void 初期設定(Game& g) {
    g.state.sideToMove = 0;
    g.state.moveNumber = 0;
    g.record.counter = 0;
    g.record.last = 0;
    g.record.placed[0] = state::歩;
    g.state.reversed = 0;
    g.state.selection = 0;
    g.state.kifuMode = 0;
    display::画面_再描画(g);
    g.port.refresh();
}

}  // namespace control

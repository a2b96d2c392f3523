#include "control/new_game.h"

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/game_reset.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace control {

using namespace state;

void 二人対局_新規(Game& g) {
    rules::初期設定_先手自(g);
    初期設定(g);
    START_Click(g);
}

void 新しい対局(Game& g) {
    if (g.state.gameKind == kTwoPlayers) return 二人対局_新規(g);
    // The player holds the Nue King and moves first with the lower side's first token.
    if (g.state.humanToken == 1)
        SENTE_Click(g);
    else
        GOTE_Click(g);
}

void 再開した対局を続ける(Game& g) {
    const GameState& s = g.state;
    if (s.gameKind != kAgainstComputer || s.kifuMode || s.sideToMove == 0 || s.sideToMove != s.comToken)
        return;
    コンピュータの手番(g);
}

}  // namespace control

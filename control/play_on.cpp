// ここから対局: a game goes on from the position on the board.
#include "control/play_on.h"

#include "control/computer_turn.h"
#include "control/end_of_game.h"
#include "control/kept_game.h"
#include "control/record_jump.h"
#include "control/refusal.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// As 戻 refuses: nothing to go on from, or a move half made.
bool refused(Game& g) {
    if (g.record.last == 0) {
        禁止_通知(g, Text::NotPossible, Text::TitleMatch);
        return true;
    }
    if (g.state.stepState == 2) {
        禁止_通知(g, Text::SecondStepPending, Text::TitleMatch);
        return true;
    }
    return false;
}

void playOn(Game& g, int kind) {
    GameState& s = g.state;
    g.record.last = g.record.counter;
    s.gameKind = kind;
    s.kifuMode = 0;
    s.resumeNotice = 0;
    s.selection = 0;
    対局画面_再描画(g);
    g.port.gameBegins();
    g.port.gameFacts(対局の事実(g));
    g.port.refresh();
}

}  // namespace

void ここから対局_COM(Game& g) {
    if (refused(g)) return;
    playOn(g, kAgainstComputer);
    if (g.state.sideToMove == g.state.comToken) {
        コンピュータの手番(g);
        return;
    }
    g.port.messageBox(Message{Text::HumanToMove}, Text::TitleBlank, Buttons::Ok, Icon::None);
}

void ここから対局_人間(Game& g) {
    if (refused(g)) return;
    playOn(g, kTwoPlayers);
    g.port.messageBox(Message{g.state.sideToMove == 1 ? Text::FirstToMove : Text::SecondToMove},
                      Text::TitleBlank, Buttons::Ok, Icon::None);
}

void ここから対局_記録から(Game& g, int entry) {
    棋譜_移動(g, entry);
    if (g.record.counter != entry) return;  // refused on the way, as 戻 and 進 are
    if (g.state.gameKind == kAgainstComputer)
        ここから対局_COM(g);
    else
        ここから対局_人間(g);
}

}  // namespace control

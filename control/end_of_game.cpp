#include "control/end_of_game.h"

#include "control/game_reset.h"
#include "control/waiting_and_closing.h"
#include "record/notation.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The winner as the labels beside the board name the players: against the
// computer あなた or ｺﾝﾋﾟｭｰﾀ, between two people 先手 or 後手 by who moved first.
Text winnerName(const Game& g, int winner) {
    if (g.state.gameKind == kAgainstComputer) return winner > 0 ? Text::Computer : Text::You;
    return winner == record::先手の側(g.state) ? Text::First : Text::Second;
}

}  // namespace

void 終了(Game& g, state::Outcome o) {
    g.port.gameOver(o);
    const Message result = o == state::Outcome::Draw ? Message{Text::Drawn}
                                                     : Message{Text::Won, winnerName(g, rules::勝った側(o))};
    g.port.messageBox(result, Text::TitleEnd, Buttons::Ok, Icon::None);
    const Answer again =
        g.port.messageBox(Message{Text::PlayAgain}, Text::TitleAgain, Buttons::YesNo, Icon::None);
    if (again == Answer::Yes) {
        rules::初期設定_先手自(g);
        初期設定(g);
        return;
    }
    プログラム終了(g);
}

bool 終局(Game& g, const rules::EndFacts& facts) {
    const state::Outcome o = rules::終局判定(facts);
    if (o == state::Outcome::Continues) return false;
    終了(g, o);
    return true;
}

GameFacts 対局の事実(const Game& g) {
    const GameState& s = g.state;
    return GameFacts{record::先手の側(s), s.gameKind == kAgainstComputer ? -1 : 0, s.level, s.kifuMode != 0};
}

}  // namespace control

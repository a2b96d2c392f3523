#include "control/resign.h"

#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/refusal.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The side to move resigns: the lower side holds the human's token.
state::Outcome resignationOf(const GameState& s) {
    const int resigning = s.sideToMove == s.humanToken ? -1 : 1;
    return resigning > 0 ? state::Outcome::LowerWins : state::Outcome::UpperWins;
}

}  // namespace

void 投了(Game& g) {
    GameState& s = g.state;
    ファイルパネル_非表示(g);
    if (s.sideToMove == 0 || s.kifuMode) return 禁止_通知(g, Text::StartWithMatch, Text::TitleStart);
    if (s.stepState == 2) return 禁止_通知(g, Text::SecondStepPending, Text::TitleResign);
    if (g.port.messageBox(Message{Text::ResignQuestion}, Text::TitleResign, Buttons::YesNo, Icon::None) !=
        Answer::Yes)
        return;
    control::終了(g, resignationOf(s));
}

}  // namespace control

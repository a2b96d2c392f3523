#include "control/resign.h"

#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/refusal.h"
#include "state/game.h"

namespace control {

using namespace state;

void 投了(Game& g) {
    GameState& s = g.state;
    ファイルパネル_非表示(g);
    if (s.sideToMove == 0 || s.kifuMode) return 禁止_通知(g, Text::StartWithMatch, Text::TitleStart);
    if (s.stepState == 2) return 禁止_通知(g, Text::SecondStepPending, Text::TitleResign);
    if (g.port.messageBox(Message{Text::ResignQuestion}, Text::TitleResign, Buttons::YesNo, Icon::None) !=
        Answer::Yes)
        return;
    // The side to move gives up: the lower side holds the human's token.
    終局(g, {.resigned = s.sideToMove == s.humanToken ? -1 : 1});
}

}  // namespace control

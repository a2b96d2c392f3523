#include "control/resign.h"

#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/refusal.h"
#include "state/game.h"

namespace control {

namespace {

// The side to move resigns; token 1 is always the side that moved first.
const char* winnerOf(const GameState& s) {
    if (s.gameKind == kAgainstComputer) return "ｺﾝﾋﾟｭｰﾀ";
    return s.sideToMove == 1 ? "後手" : "先手";
}

}  // namespace

void 投了(Game& g) {
    GameState& s = g.state;
    ファイルパネル_非表示(g);
    if (s.sideToMove == 0 || s.kifuMode) return 禁止_通知(g, "「対局」で始めて下さい", "開始");
    if (s.stepState == 2) return 禁止_通知(g, "2手目移動中はできません！", "投了");
    if (g.port.messageBox("投了しますか？", "投了", Buttons::YesNo, Icon::None) != Answer::Yes) return;
    control::終了(g, winnerOf(s));
}

}  // namespace control

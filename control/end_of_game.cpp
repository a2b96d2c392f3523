#include "control/end_of_game.h"

#include <string>

#include "control/game_reset.h"
#include "control/waiting_and_closing.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace control {

void 終了(Game& g, std::string_view winner) {
    const std::string text =
        winner == "引き分け" ? std::string("引き分けです") : std::string(winner) + "の勝ちです";
    g.port.messageBox(text, "終了", Buttons::Ok, Icon::None);
    const Answer again = g.port.messageBox("続けますか？", "再ゲーム", Buttons::YesNo, Icon::None);
    if (again == Answer::Yes) {
        rules::初期設定_先手自(g);
        初期設定(g);
        return;
    }
    プログラム終了(g);
}

}  // namespace control

#include "rules/end_of_game.h"

#include <string>

#include "control/game.h"
#include "control/waiting_and_closing.h"
#include "rules/initial_position.h"

namespace rules {

void 終了(control::Game& g, std::string_view winner) {
    const std::string text =
        winner == "引き分け" ? std::string("引き分けです") : std::string(winner) + "の勝ちです";
    g.port.messageBox(text, "終了", control::Buttons::Ok, control::Icon::None);
    const control::Answer again =
        g.port.messageBox("続けますか？", "再ゲーム", control::Buttons::YesNo, control::Icon::None);
    if (again == control::Answer::Yes) {
        初期設定_先手自(g);
        初期設定(g);
        return;
    }
    control::プログラム終了(g);
}

}  // namespace rules

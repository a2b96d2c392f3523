#include "control/new_game.h"

#include "control/commands.h"
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

}  // namespace control

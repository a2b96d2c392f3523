#include "control/computer_turn.h"

#include "control/game.h"
#include "engine/computer_move.h"
#include "engine/influence.h"

namespace control {

void コンピュータの手番(Game& g) {
    engine::勢力調査_両軍(g);
    engine::com_ban(g);
}

}  // namespace control

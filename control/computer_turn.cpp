#include "control/computer_turn.h"

#include "control/game.h"
#include "engine/computer_move.h"
#include "engine/influence.h"

namespace control {

void コンピュータの手番(Game& g) {
    g.maps.manKingX = 0;
    g.maps.comKingX = 0;
    engine::勢力調査_MAN(g);
    engine::勢力調査_COM(g);
    engine::com_ban(g);
}

}  // namespace control

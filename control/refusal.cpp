#include "control/refusal.h"

#include "state/game.h"

namespace control {

void 禁止_通知(Game& g, std::string_view text, std::string_view title) {
    g.port.playSound(g.state.sounds.forbidden);
    g.port.messageBox(text, title, Buttons::Ok, Icon::None);
}

}  // namespace control

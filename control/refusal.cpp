#include "control/refusal.h"

#include "state/game.h"

namespace control {

using namespace state;

void 禁止_通知(Game& g, Text text, Text title) {
    g.port.playSound(g.state.sounds.forbidden);
    g.port.messageBox(Message{text}, title, Buttons::Ok, Icon::None);
}

}  // namespace control

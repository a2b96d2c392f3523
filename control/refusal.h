#pragma once

#include "state/texts.h"

namespace state {
struct Game;
}

namespace control {

// A refusal: the refusal sound, then a message box with one OK button.
void 禁止_通知(state::Game& g, state::Text text, state::Text title);

}  // namespace control

#pragma once

#include "state/texts.h"

namespace control {

struct Game;

// A refusal: the refusal sound, then a message box with one OK button.
void 禁止_通知(Game& g, Text text, Text title);

}  // namespace control

#pragma once

#include <string>

#include "cli/commands.h"
#include "cli/strong_commands.h"

namespace cli {

// `attacks`: how many pieces of each side reach every square, by the move
// check, as two lines `lower v1 … v81` and `upper v1 … v81` in board order.
std::string attacksCommand(state::Game& g, const Words& w);

// `hint`: the move the computer would choose at the session's level for the
// lower side of the current board (at levels 4 to 8 the strongest level's,
// with the session's limit),
// `hint X Y TX TY PLACED` (and ` second TX2 TY2` for a Nue King's second
// step), or `nomove`. The game is not changed.
std::string hintCommand(state::Game& g, StrongPlayer& player, const Words& w);

}  // namespace cli

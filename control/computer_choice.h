#pragma once

#include <optional>

#include "state/move.h"

namespace state {
struct GameData;
}

namespace control {

// The move the computer at level 1, 2 or 3 would choose for the side `side`
// (+1 upper, -1 lower) of the game's position, a Nue King's second step
// included when its evaluation asks for one. The computer chooses for the
// upper side only: the lower side's position is turned about first and the
// move turned back. It chooses on a copy of its own, which plays the first
// step as the computer's turn does, so that the second step is chosen on the
// position it would see; the game itself (board, record, maps, the search's
// state) is not touched, so the computer's later play is as it would have
// been. No second step is chosen when the record has no room for it. Empty
// when that side has no legal move.
std::optional<state::Move> 側の指し手(const state::GameData& g, int side, int level);

}  // namespace control

#pragma once

#include <optional>

#include "state/move.h"

namespace state {
struct Game;
}

namespace control {

// Records and plays a move's first (or only) step on the board and the screen.
void 指し手実行(state::Game& g, const state::Move& m);

// The computer's Nue King's second step from (移動元X, 移動元Y): chosen by the
// computer player, then recorded, moved, sounded and outlined. Nothing
// happens when no neighbour can be reached (empty).
std::optional<state::Move> com_ban2手目(state::Game& g, int 移動元X, int 移動元Y, int 移動駒);

// Plays a second Nue King step already chosen: recorded, moved, sounded and
// outlined, as every second step of the computer. Answers the step.
state::Move 二手目実行(state::Game& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// The computer's whole turn: the status text and pauses, the search, the
// move, a second Nue King step when asked for, the move number, and the end
// tests (mate of the human, a captured royal piece, check). The maps must
// describe the position on the board.
void com_ban(state::Game& g);

// Hands the move to the computer: brings both sides' maps up to date for the
// position on the board (the computer's search reads its baselines from
// them), then runs the computer's turn.
void コンピュータの手番(state::Game& g);

}  // namespace control

#pragma once

#include "state/move.h"

namespace state {
struct Game;
}

namespace control {

// A piece moves on the board and on the screen: the source's outlines and
// square are cleared, the placed piece is put on the destination and drawn,
// and the source is emptied.
void 駒移動(state::Game& g, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y, int IN_移動駒);

// One step of a move enters the game: recorded (rules::手順保存, as every
// position records its moves), then made on the board and drawn (駒移動).
// `secondStep` marks a Nue King's second step.
void 一歩を指す(state::Game& g, const state::Move& step, bool secondStep = false);

// A whole move enters the game: its first step, then a Nue King's second.
void 手を指す(state::Game& g, const state::Move& m);

}  // namespace control

#pragma once

#include "state/move.h"

namespace control {

struct Game;

// A piece moves on the board and on the screen: the source's outlines and
// square are cleared, the placed piece is put on the destination and drawn,
// and the source is emptied.
void 駒移動(Game& g, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y, int IN_移動駒);

// A whole move recorded and played on the board and the screen: each step
// recorded before it moves (the record reads what it takes from the board),
// a Nue King's second step recorded as the second step of one move. The
// caller has checked that the record has room for both entries.
// 例: 手を指す(g, {5, 9, 5, 8, true, 5, 7, -14, -14}) records entries k and k + 1
void 手を指す(Game& g, const state::Move& m);

}  // namespace control

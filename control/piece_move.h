#pragma once

namespace state {
struct Game;
}

namespace control {

// A piece moves on the board and on the screen: the source's outlines and
// square are cleared, the placed piece is put on the destination and drawn,
// and the source is emptied.
void 駒移動(state::Game& g, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y, int IN_移動駒);

}  // namespace control

#pragma once

namespace state {
struct Game;
}

namespace control {

// The first step of a Nue King's two-step move. 移動元駒 is the step piece
// (+15 or -15, the king code of the Nue King's side); the Nue King itself is
// placed. The source coordinates come back holding the intermediate square,
// where the second step starts. Always answers 0: wait for the second step.
int 移動処理_鵺(state::Game& g, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                int IN_移動元駒);

}  // namespace control

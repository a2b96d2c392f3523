#pragma once

namespace control {

struct Game;

// Hands the move to the computer: brings both sides' maps up to date for the
// position on the board (the computer's search reads its baselines from
// them), then runs the computer's turn.
void コンピュータの手番(Game& g);

}  // namespace control

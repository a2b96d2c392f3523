#pragma once

#include "rules/game_end.h"
#include "state/window_port.h"

namespace state {
struct Game;
}

namespace control {

// The game has ended as `o` says: the window is told, the result announced
// ("<winner>の勝ちです", the winner named as the labels name the players,
// or "引き分けです"), and the player asked whether to play again: Yes sets up
// the human-first position with no game running; No closes the program.
void 終了(state::Game& g, state::Outcome o);

// Asks the one end-of-game procedure with the facts given; when the game is
// over, ends it as 終了 does and answers true.
bool 終局(state::Game& g, const rules::EndFacts& facts);

// The labels' facts of the game as it stands, as the window is told them.
state::GameFacts 対局の事実(const state::Game& g);

}  // namespace control

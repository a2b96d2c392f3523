#pragma once

namespace state {
struct Game;
}

namespace control {

// A new game of two players from the first position, as スタート starts one
// after start-up (スタート itself goes on with a game in progress).
void 二人対局_新規(state::Game& g);

// 新しい対局: a new game of the kind and side of the game on the board (or
// the one that ended there): 先手 or 後手 against the computer by the side
// the player held, or a new two-player game.
// 例: after a game resumed with the player holding the army, 後手
void 新しい対局(state::Game& g);

// The game set up again at the computer's turn (a kept game resumed) goes
// on by itself: the computer moves. Anything else waits for the player.
void 再開した対局を続ける(state::Game& g);

}  // namespace control

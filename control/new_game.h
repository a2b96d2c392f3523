#pragma once

namespace state {
struct Game;
}

namespace control {

// A new game of two players from the first position, as スタート starts one
// after start-up (スタート itself goes on with a game in progress).
void 二人対局_新規(state::Game& g);

}  // namespace control

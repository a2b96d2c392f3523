#pragma once

#include <string_view>

#include "positions.h"
#include "state/geometry.h"

namespace testing_support {

// The pointer position (twips) of the middle of a board square.
inline double squareX(int x) { return state::middleX(x); }
inline double squareY(int y) { return state::middleY(y); }

// A two-player game started from the window's start-up and set to the given
// board, the lower side to move, with the port's log cleared.
void twoPlayerGame(TestGame& t, std::string_view diagram);

// A mouse press on the middle of a square (button 1 left, 2 right).
void click(state::Game& g, int x, int y, int button = 1);

}  // namespace testing_support

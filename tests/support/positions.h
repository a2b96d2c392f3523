#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control/game.h"
#include "port_recorder.h"

namespace testing_support {

// A game object over a recording port, for tests.
struct TestGame {
    PortRecorder port;
    control::Game game{port};
};

// Sets the board from a diagram: nine rows, row 1 first, each with nine
// codes for columns 1..9 ("." or 0 for an empty square). Whitespace separates.
void setBoard(control::Game& g, std::string_view diagram);

// The board as the same diagram text (rows joined by '\n', "." for empty).
std::string boardText(const rules::Board& b);

// A 9 x 9 map as text, row 1 first, values right-aligned in width 4.
std::string mapText(const rules::Grid<int>& m);

using Square = std::pair<int, int>;

// Every square the piece may move to from (x, y) by the move check, in scan
// order (column, then row).
std::vector<Square> destinations(control::Game& g, int x, int y, int piece);

}  // namespace testing_support

namespace testing_support {

// The pointer position (twips) of the middle of a board square.
inline double squareX(int x) { return 200 + 490 * x + 245; }
inline double squareY(int y) { return -300 + 600 * y + 300; }

// A two-player game started from the window's start-up and set to the given
// board, the lower side to move, with the port's log cleared.
void twoPlayerGame(TestGame& t, std::string_view diagram);

// A mouse press on the middle of a square (button 1 left, 2 right).
void click(control::Game& g, int x, int y, int button = 1);

}  // namespace testing_support

#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "port_recorder.h"
#include "state/game.h"

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

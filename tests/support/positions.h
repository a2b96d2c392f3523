#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "port_recorder.h"
#include "rules/move_check.h"
#include "state/game.h"

namespace testing_support {

// A game object over a recording port, for tests.
struct TestGame {
    PortRecorder port;
    state::Game game{port};
};

// Sets the board from a diagram: nine rows, row 1 first, each with nine
// codes for columns 1..9 ("." or 0 for an empty square). Whitespace separates.
void setBoard(state::Game& g, std::string_view diagram);

// The board as the same diagram text (rows joined by '\n', "." for empty).
std::string boardText(const state::Board& b);

// A 9 x 9 map as text, row 1 first, values right-aligned in width 4.
std::string mapText(const state::Grid<int>& m);

// The rules asked as the game asks them: the move check after the record's
// current entry, as a second step while the step state is 2; the guard test
// likewise; the promotion test leaving its promoted code in the game state,
// as the player's press reads it.
int 移動チェック(state::GameData& g, int fx, int fy, int tx, int ty, int piece);
int 調査_鵺守(state::GameData& g, state::Side side, int fx, int fy, int nx, int ny);

using Square = std::pair<int, int>;

// Every square the piece may move to from (x, y) by the move check as the
// game asks it (after the record's current entry, a second step while the
// step state is 2), in scan order (column, then row).
std::vector<Square> destinations(state::Game& g, int x, int y, int piece);

}  // namespace testing_support

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace cli {

using Words = std::vector<std::string_view>;

// Each command answers its lines (ending in '\n'), or one "error ..." line
// and leaves the game as it was.
std::string boardCommand(state::Game& g, const Words& w);
std::string startCommand(state::Game& g, const Words& w);
std::string showCommand(state::Game& g, const Words& w);
std::string levelCommand(state::Game& g, const Words& w);
std::string movesCommand(state::Game& g, const Words& w);
std::string mapsCommand(state::Game& g, const Words& w);
std::string pinsCommand(state::Game& g, const Words& w);
std::string mateCommand(state::Game& g, const Words& w);
std::string candidatesCommand(state::Game& g, const Words& w);
std::string goCommand(state::Game& g, const Words& w);
std::string reverseCommand(state::Game& g, const Words& w);
// "notation N", then one line per move of the record up to its end, in the
// game's Japanese notation or, after `notation en`, in Western notation.
std::string notationCommand(state::Game& g, const Words& w);

// Both king squares (0, 0), as every command that sets a position leaves them.
void clearKingSquares(state::Game& g);

// A whole number in [low, high], or false. Only an optional '-' and digits.
bool parseNumber(std::string_view word, int low, int high, int& out);

// "%.4f", as scores print.
std::string formatScore(double score);

// "bestmove X Y TX TY FROM PLACED SCORE" for a move's first (or only) step.
std::string bestMoveLine(const state::Move& m, double score);

}  // namespace cli

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "search/search.h"

namespace cli {

// The level-four player of a session: its node budget per move and its
// search object, made at its first move and kept (with its table) after.
class StrongPlayer {
public:
    std::uint64_t nodeLimit = 0;  // 0: the time limit

    search::Searcher& searcher();
    search::Limits limits() const;

private:
    std::unique_ptr<search::Searcher> searcher_;
};

// `limit N`: the node budget per move of level 4 (0 = the time limit).
std::string limitCommand(StrongPlayer& player, const Words& w);

// `perft D`: "perft D N", the move sequences of D moves from the board, the
// upper side first, from an empty record; an error when that would visit
// more than five million positions.
std::string perftCommand(control::Game& g, const Words& w);

// `go` at level 4: the upper side's move by the level-four search, played
// and recorded as `go` plays the other levels' moves, answered in the same
// line (SCORE is the search's, in hundredths of a pawn).
std::string strongGoCommand(control::Game& g, StrongPlayer& player, const Words& w);

}  // namespace cli

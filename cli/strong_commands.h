#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "search/search.h"

namespace cli {

// The search levels' player of a session: level 8's node budget per move
// and the search object, made at its first move and kept (with its table)
// after.
class StrongPlayer {
public:
    std::uint64_t nodeLimit = 0;  // level 8's; 0: its time limit

    search::Searcher& searcher();
    search::Limits limits(int level) const;

private:
    std::unique_ptr<search::Searcher> searcher_;
};

// `limit N`: the node budget per move of level 8 (0 = its time limit).
std::string limitCommand(StrongPlayer& player, const Words& w);

// `perft D`: "perft D N", the move sequences of D moves from the board, the
// upper side first, from an empty record; an error when that would visit
// more than five million positions.
std::string perftCommand(state::Game& g, const Words& w);

// `go` at levels 4 to 8: the upper side's move by the level's search, played
// and recorded as `go` plays the other levels' moves, answered in the same
// line (SCORE is the search's, in hundredths of a pawn).
std::string strongGoCommand(state::Game& g, StrongPlayer& player, const Words& w);

}  // namespace cli

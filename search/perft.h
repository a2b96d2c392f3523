#pragma once

#include <cstdint>

#include "search/position.h"

namespace search {

// The number of move sequences of `depth` moves from p, counting every move
// the computer may make (each two-step pair of the Nue King a move of its
// own). The position is the same afterwards.
// 例: perft(p, 0) == 1
std::uint64_t perft(Position& p, int depth);

// The same, giving up (answering false) once more than `budget` positions
// have had their moves generated.
bool perftWithin(Position& p, int depth, std::uint64_t budget, std::uint64_t& count);

}  // namespace search

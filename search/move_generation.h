#pragma once

#include <array>

#include "search/position.h"

namespace search {

// Room for every move of any position the two armies can reach; a board
// set up by hand with more (a dozen Nue Kings) keeps the first kMaxMoves.
inline constexpr int kMaxMoves = 1024;

struct MoveList {
    std::array<Move, kMaxMoves> moves{};
    int size = 0;
    void add(Move m) {
        if (size < kMaxMoves) moves[static_cast<std::size_t>(size++)] = m;
    }
};

enum class GenerationMode {
    // Every move the computer may make: for the Nue King each jump, each
    // single step and every pair of first and second step.
    All,
    // Moves that lead to different positions: a two-step move whose first
    // step takes nothing ends where a jump or a single step ends, so only
    // the one that returns to its square (a pass) is kept, and those that
    // take the other Nue King, which a jump may not do while it is guarded.
    Distinct,
    // The distinct moves that take a piece.
    Captures,
};

// The moves of the side to move. A position without a royal piece on either
// side has none: the game is over.
// 例: from the human-first start, the upper side has 30 moves
void generateMoves(const Position& p, MoveList& list, GenerationMode mode);

}  // namespace search

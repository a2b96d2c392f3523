#include "search/perft.h"

#include "search/move_generation.h"

namespace search {

namespace {

// `left` counts down the positions still allowed to generate their moves.
std::uint64_t count(Position& p, int depth, std::uint64_t& left) {
    if (depth == 0) return 1;
    if (left == 0) return 0;
    --left;
    MoveList list;
    generateMoves(p, list, GenerationMode::All);
    if (depth == 1) return static_cast<std::uint64_t>(list.size);
    std::uint64_t leaves = 0;
    for (int i = 0; i < list.size && left > 0; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const Undo u = p.make(m);
        leaves += count(p, depth - 1, left);
        p.unmake(m, u);
    }
    return leaves;
}

}  // namespace

std::uint64_t perft(Position& p, int depth) {
    std::uint64_t left = ~std::uint64_t{0};
    return count(p, depth, left);
}

bool perftWithin(Position& p, int depth, std::uint64_t budget, std::uint64_t& leaves) {
    // One more than the budget: running out exactly at the last position is no failure.
    std::uint64_t left = budget + 1;
    leaves = count(p, depth, left);
    return left > 0;
}

}  // namespace search

#include "search/perft.h"

#include "search/move_generation.h"

namespace search {

std::uint64_t perft(Position& p, int depth) {
    if (depth == 0) return 1;
    MoveList list;
    generateMoves(p, list, GenerationMode::All);
    if (depth == 1) return static_cast<std::uint64_t>(list.size);
    std::uint64_t count = 0;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const Undo u = p.make(m);
        count += perft(p, depth - 1);
        p.unmake(m, u);
    }
    return count;
}

}  // namespace search

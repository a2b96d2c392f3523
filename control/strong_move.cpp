#include "control/strong_move.h"

#include <chrono>
#include <future>

#include "search/levels.h"
#include "state/game.h"

namespace control {

namespace {

// The search's table for one move or hint: allocated for it and freed
// after it, so the game keeps no large state between moves.
constexpr std::size_t kTableMegabytes = 32;

}  // namespace

search::Choice 強い指し手(const state::GameData& g, int side, search::Searcher& searcher,
                          const search::Limits& limits) {
    return searcher.choose(search::fromGame(g.board, g.record, side), limits);
}

search::Choice 考慮中探索(Game& g, int side, const search::Limits& limits) {
    const search::Position position = search::fromGame(g.board, g.record, side);
    // The worker thinks over its own copy; only this thread touches the game.
    std::future<search::Choice> thinking = std::async(std::launch::async, [position, limits] {
        search::Searcher searcher(kTableMegabytes);
        return searcher.choose(position, limits);
    });
    while (thinking.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) g.port.wait(0.05);
    return thinking.get();
}

search::Choice 強い指し手探索(Game& g) {
    g.search.snapshot = g.board;
    return 考慮中探索(g, 1, search::levelLimits(g.state.level));
}

}  // namespace control

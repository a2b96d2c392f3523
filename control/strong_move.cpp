#include "control/strong_move.h"

#include <chrono>
#include <future>

#include "control/search_limits.h"
#include "search/levels.h"
#include "state/clock.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The search's table for one move or hint: allocated for it and freed
// after it, so the game keeps no large state between moves.
constexpr std::size_t kTableMegabytes = 32;
// How often the window's thread looks whether the worker has chosen.
constexpr double kPollSeconds = 0.05;

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
    while (thinking.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        g.port.wait(kPollSeconds);
    return thinking.get();
}

search::Choice 強い指し手探索(Game& g) {
    g.search.snapshot = g.board;
    // Under a clock the level spends the time the clock allows (a move
    // waits up to one poll of the worker beyond its search).
    return 考慮中探索(g, 1, levelMoveLimits(g.state.level, g.clock, 1, 0, 0, kPollSeconds));
}

}  // namespace control

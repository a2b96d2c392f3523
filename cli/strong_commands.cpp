#include "cli/strong_commands.h"

#include "control/computer_turn.h"
#include "control/strong_move.h"
#include "search/levels.h"
#include "search/perft.h"
#include "state/game.h"

namespace cli {

namespace {

std::string error(std::string_view reason) { return "error " + std::string(reason) + "\n"; }

// A session's table: large enough for a second's search, small beside the
// 64 MB allowed.
constexpr std::size_t kTableMegabytes = 32;
constexpr int kMaxLimit = 2000000000;
constexpr int kMaxPerftDepth = 6;
// A count that would take more than a few seconds is refused.
constexpr std::uint64_t kPerftPositions = 5000000;

}  // namespace

search::Searcher& StrongPlayer::searcher() {
    if (!searcher_) searcher_ = std::make_unique<search::Searcher>(kTableMegabytes);
    return *searcher_;
}

search::Limits StrongPlayer::limits(int level) const { return search::levelLimits(level, nodeLimit); }

std::string limitCommand(StrongPlayer& player, const Words& w) {
    if (w.size() != 2) return error("limit: wrong number of words");
    int n = 0;
    if (!parseNumber(w[1], 0, kMaxLimit, n)) return error("limit: 0 to 2000000000 nodes");
    player.nodeLimit = static_cast<std::uint64_t>(n);
    return "ok\n";
}

std::string perftCommand(state::Game& g, const Words& w) {
    if (w.size() != 2) return error("perft: wrong number of words");
    int depth = 0;
    if (!parseNumber(w[1], 0, kMaxPerftDepth, depth)) return error("perft: depth 0 to 6");
    search::Position p = search::fromGame(g.board, state::MoveRecord{}, 1);
    std::uint64_t leaves = 0;
    if (!search::perftWithin(p, depth, kPerftPositions, leaves))
        return error("perft: more than 5000000 positions to visit");
    return "perft " + std::to_string(depth) + " " + std::to_string(leaves) + "\n";
}

std::string strongGoCommand(state::Game& g, StrongPlayer& player, const Words& w) {
    if (w.size() != 1) return error("go: wrong number of words");
    const search::Choice c = control::強い指し手(g, 1, player.searcher(), player.limits(g.state.level));
    if (!c.found || g.record.full()) return "nomove\n";
    const state::Move& m = c.played;
    control::指し手実行(g, m);
    std::string out = bestMoveLine(m, c.score);
    if (m.twoStep && !g.record.full()) {
        control::二手目実行(g, m.toX, m.toY, m.toX2, m.toY2);
        out += " second " + std::to_string(m.toX2) + " " + std::to_string(m.toY2);
    }
    return out + "\n";
}

}  // namespace cli

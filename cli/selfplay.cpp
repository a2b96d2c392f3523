#include "cli/selfplay.h"
#include "control/computer_choice.h"
#include "control/game_reset.h"
#include "control/piece_move.h"
#include "control/search_limits.h"
#include "control/strong_move.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "rules/game_end.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "rules/position.h"
#include "state/game.h"

namespace cli {

namespace {

bool isRoyal(int code) { return code == 14 || code == 15 || code == -14 || code == -15; }

// A random legal move of one entry: a piece and a destination at random, a
// Nue King's step taken as a whole move; promotion at random where it is
// optional, always where it is compulsory. Empty when the side cannot move.
std::optional<state::Move> randomMove(const control::Game& g, int sign, std::mt19937& rng) {
    std::vector<state::Move> moves;
    for (const state::Move& m : rules::Position(g.board, g.record, sign).合法手()) {
        // Each destination once: the promoted and unpromoted forms are one choice here.
        const bool again = !moves.empty() && moves.back().fromX == m.fromX && moves.back().fromY == m.fromY &&
                           moves.back().toX == m.toX && moves.back().toY == m.toY;
        if (!m.twoStep && !again) moves.push_back(m);
    }
    if (moves.empty()) return std::nullopt;
    state::Move move = moves[rng() % moves.size()];
    move.placed = move.moved;
    int promoted = move.moved;
    if (rules::調査_駒成(move.fromX, move.fromY, move.toX, move.toY, move.moved, promoted) == rules::有 &&
        (rules::移動後チェック(move.toY, move.moved) == rules::無 || rng() % 2 == 1))
        move.placed = promoted;
    return move;
}

// The search levels search either side on the real board, no turning about.
std::optional<state::Move> strongMove(const control::Game& g, int sign, search::Searcher& searcher,
                                      const search::Limits& limits, double& longest) {
    const auto began = std::chrono::steady_clock::now();
    const search::Choice c = control::強い指し手(g, sign, searcher, limits);
    longest =
        std::max(longest, std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    if (!c.found) return std::nullopt;
    return c.played;
}

// The search's table for each side, for the length of one game.
constexpr std::size_t kTableMegabytes = 32;

Winner winnerOf(rules::Outcome o) {
    switch (o) {
        case rules::Outcome::UpperWins: return Winner::Upper;
        case rules::Outcome::LowerWins: return Winner::Lower;
        default: return Winner::Draw;
    }
}

// The entries of the last move are all of the mover's side.
std::string alternationProblem(const control::Game& g, int from, int sign) {
    for (int k = from; k <= g.record.counter; ++k)
        if ((g.record.moved[k] > 0) != (sign > 0))
            return "entry " + std::to_string(k) + " moved by the wrong side";
    return {};
}

}  // namespace

std::string positionProblem(const control::Game& g) {
    int royals[2] = {0, 0};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = g.board(x, y);
            if (c < -15 || c > 15) return "invalid code on " + std::to_string(x) + "," + std::to_string(y);
            if (isRoyal(c)) ++royals[c > 0 ? 0 : 1];
        }
    if (royals[0] > 1 || royals[1] > 1) return "more than one royal piece on a side";
    if (g.record.counter > rules::MoveRecord::kCapacity || g.record.last > rules::MoveRecord::kCapacity)
        return "the record passed entry 500";
    return {};
}

std::string replayProblem(const control::Game& g) {
    const rules::MoveRecord& r = g.record;
    control::Game replay{g.port};
    if (r.last >= 1 && r.moved[1] >= 1)
        rules::初期設定_先手敵(replay);
    else
        rules::初期設定_先手自(replay);
    replay.record = r;
    for (int k = 1; k <= r.last; ++k) {
        const std::string at = "entry " + std::to_string(k);
        if (replay.board(r.fromX[k], r.fromY[k]) != r.moved[k]) return at + ": the moved piece is not there";
        if (replay.board(r.toX[k], r.toY[k]) != r.captured[k])
            return at + ": the captured piece is not there";
        // Asked after the entries before it, a second step as the second step it is.
        replay.record.counter = k - 1;
        const rules::MoveContext c = rules::着手文脈(replay.record, r.secondStep[k]);
        if (rules::移動チェック(replay.board, c, r.fromX[k], r.fromY[k], r.toX[k], r.toY[k], r.moved[k]) !=
            rules::有)
            return at + ": not a legal move";
        replay.board(r.fromX[k], r.fromY[k]) = 0;
        replay.board(r.toX[k], r.toY[k]) = r.placed[k];
    }
    if (!(replay.board == g.board)) return "the replayed record does not give the final board";
    return {};
}

int levelOf(const SelfPlayOptions& options, int sign) {
    return sign < 0 && options.lowerLevel != 0 ? options.lowerLevel : options.level;
}

SelfPlayGame playSelfPlayGame(control::Game& g, int index, const SelfPlayOptions& options) {
    std::unique_ptr<search::Searcher> searchers[2];
    for (int sign : {1, -1})
        if (search::isSearchLevel(levelOf(options, sign)))
            searchers[sign > 0 ? 0 : 1] = std::make_unique<search::Searcher>(kTableMegabytes);
    const rules::SteadyTimeSource time;
    rules::GameClock clock(time, options.clock, options.clock);
    // The random plies and the near-best choice of the lower search levels
    // differ from game to game by the seed plus the game's number, so game i
    // from seed s is game i - k from seed s + k: for an even k, the same game,
    // and a long run can be played in slices.
    const unsigned seed = options.seed + static_cast<unsigned>(index);
    std::mt19937 rng(seed);
    // The Nue King's side moves first: the lower side in odd games.
    int side = index % 2 == 1 ? -1 : 1;
    if (side < 0)
        rules::初期設定_先手自(g);
    else
        rules::初期設定_先手敵(g);
    control::初期設定(g);
    g.state.level = options.level;
    g.state.stepState = 1;
    SelfPlayGame result;
    for (int ply = 0;; ++ply, side = -side) {
        const int firstEntry = g.record.counter + 1;
        const int level = levelOf(options, side);
        std::optional<state::Move> move;
        clock.start(side);
        if (ply < options.randomPlies)
            move = randomMove(g, side, rng);
        else if (search::isSearchLevel(level))
            move = strongMove(g, side, *searchers[side > 0 ? 0 : 1],
                              control::levelMoveLimits(level, &clock, side,
                                                       static_cast<std::uint64_t>(options.limit), seed),
                              result.longestStrongMove);
        else
            move = control::側の指し手(g, side, level);
        // A side that cannot move loses; no room for the move in the record is a draw.
        rules::Outcome o =
            rules::終局判定({.mover = -side, .nextCanMove = move.has_value(), .recordFull = g.record.full()});
        if (o == rules::Outcome::Continues) {
            // A second step the record has no room for is not made: the game is drawn there.
            const bool roomForBoth = g.record.counter + 2 <= rules::MoveRecord::kCapacity;
            if (move->twoStep && !roomForBoth) {
                state::Move first = *move;
                first.twoStep = false;
                first.placed = first.moved;
                control::手を指す(g, first);
                o = rules::Outcome::Draw;
            } else {
                control::手を指す(g, *move);
                // A move made after the side's time ran out loses, whatever it took.
                const bool inTime = clock.stop();
                result.onTime = !inTime;
                o = rules::終局判定({.outOfTime = inTime ? 0 : side,
                                     .mover = side,
                                     .captured = move->captured,
                                     .captured2 = move->captured2});
            }
            if (options.check && result.problem.empty()) {
                result.problem = positionProblem(g);
                if (result.problem.empty()) result.problem = alternationProblem(g, firstEntry, side);
            }
        }
        if (o != rules::Outcome::Continues) {
            result.winner = winnerOf(o);
            break;
        }
    }
    result.moves = g.record.counter;
    if (options.check && result.problem.empty()) result.problem = replayProblem(g);
    return result;
}

}  // namespace cli

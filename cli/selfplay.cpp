#include "cli/selfplay.h"
#include "control/computer_turn.h"
#include "control/game_reset.h"
#include "control/piece_move.h"
#include "control/search_limits.h"
#include "control/strong_move.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "engine/computer_move.h"
#include "engine/influence.h"
#include "record/board_reversal.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "state/game.h"

namespace cli {

namespace {

struct Move {
    int x, y, tx, ty, from, placed;
};

bool isRoyal(int code) { return code == 14 || code == 15 || code == -14 || code == -15; }

void playMove(control::Game& g, const Move& m) {
    rules::手順保存(g, m.x, m.y, m.tx, m.ty, m.from, m.placed);
    control::駒移動(g, m.x, m.y, m.tx, m.ty, m.placed);
}

// Every legal move of one side, in scan order.
std::vector<Move> legalMoves(control::Game& g, int sign) {
    std::vector<Move> moves;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p == 0 || (p > 0) != (sign > 0)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (rules::移動チェック(g, x, y, tx, ty, p) == rules::有)
                        moves.push_back({x, y, tx, ty, p, p});
        }
    return moves;
}

// A random legal move; promotion at random where it is optional, always
// where it is compulsory. Answers false when the side cannot move.
bool randomMove(control::Game& g, int sign, std::mt19937& rng, Move& move) {
    const std::vector<Move> moves = legalMoves(g, sign);
    if (moves.empty()) return false;
    move = moves[rng() % moves.size()];
    if (rules::調査_駒成(g, move.x, move.y, move.tx, move.ty, move.from) == rules::有 &&
        (rules::移動後チェック(move.ty, move.from) == rules::無 || rng() % 2 == 1))
        move.placed = g.state.promotedPiece;
    return true;
}

enum class MoveResult { Played, NoMove, NoRoom };

// The computer's move for one side. The upper side is the computer's own;
// for the lower side the board is turned about in `view`, the computer
// chooses there, and the move comes back mirrored onto the real board.
MoveResult computerMove(control::Game& g, control::Game& view, int sign, int level) {
    view.board = g.board;
    view.record = g.record;
    if (sign < 0) {
        record::盤面半回転(view.board);
        view.record = record::記録半回転(g.record);
    }
    view.state.level = level;
    view.state.stepState = 1;
    engine::勢力調査_両軍(view);
    const engine::ChosenMove best = engine::指し手探索(view);
    if (!best.found) return MoveResult::NoMove;
    if (g.record.full()) return MoveResult::NoRoom;
    auto real = [sign](int c) { return sign > 0 ? c : 10 - c; };
    playMove(g, {real(best.x), real(best.y), real(best.tx), real(best.ty), best.fromPiece * sign,
                 best.placed * sign});
    if (!engine::二手目要求(best)) return MoveResult::Played;
    if (g.record.full()) return MoveResult::NoRoom;
    control::指し手実行(view, best);
    const engine::SecondStep second = control::com_ban2手目(view, best.tx, best.ty, rules::鵺王);
    if (second.played)
        playMove(g, {real(best.tx), real(best.ty), real(second.tx), real(second.ty), rules::鵺王 * sign,
                     rules::鵺王 * sign});
    return MoveResult::Played;
}

// The search levels search either side on the real board, no turning about.
MoveResult strongMove(control::Game& g, int sign, search::Searcher& searcher, const search::Limits& limits) {
    const search::Choice c = control::強い指し手(g, sign, searcher, limits);
    if (!c.found) return MoveResult::NoMove;
    if (g.record.full()) return MoveResult::NoRoom;
    playMove(g, {c.x, c.y, c.tx, c.ty, c.moved, c.placed});
    if (!c.twoStep) return MoveResult::Played;
    if (g.record.full()) return MoveResult::NoRoom;
    playMove(g, {c.tx, c.ty, c.x2, c.y2, c.moved, c.moved});
    return MoveResult::Played;
}

// The search's table for each side, for the length of one game.
constexpr std::size_t kTableMegabytes = 32;

Winner winnerOf(int sign) { return sign > 0 ? Winner::Upper : Winner::Lower; }

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
        // A Nue King's second step follows its own adjacent first step.
        const bool second =
            k > 1 && r.moved[k - 1] == r.moved[k] && (r.moved[k] == 14 || r.moved[k] == -14) &&
            std::abs(r.toX[k - 1] - r.fromX[k - 1]) < 2 && std::abs(r.toY[k - 1] - r.fromY[k - 1]) < 2;
        replay.state.stepState = second ? 2 : 1;
        replay.record.counter = k - 1;
        if (rules::移動チェック(replay, r.fromX[k], r.fromY[k], r.toX[k], r.toY[k], r.moved[k]) != rules::有)
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
    control::Game view{g.port};
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
        if (g.record.full()) break;  // the next move would need entry 501: a draw
        const int firstEntry = g.record.counter + 1;
        Move move{};
        clock.start(side);
        if (ply < options.randomPlies) {
            if (!randomMove(g, side, rng, move)) {
                result.winner = winnerOf(-side);
                break;
            }
            playMove(g, move);
        } else {
            const int level = levelOf(options, side);
            const bool strong = search::isSearchLevel(level);
            const auto began = std::chrono::steady_clock::now();
            const MoveResult played =
                strong ? strongMove(g, side, *searchers[side > 0 ? 0 : 1],
                                    control::levelMoveLimits(level, &clock, side,
                                                             static_cast<std::uint64_t>(options.limit), seed))
                       : computerMove(g, view, side, level);
            if (strong)
                result.longestStrongMove =
                    std::max(result.longestStrongMove,
                             std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
            if (played == MoveResult::NoRoom) break;
            if (played == MoveResult::NoMove) {
                result.winner = winnerOf(-side);
                break;
            }
        }
        // A move made after the side's time ran out loses, whatever it took.
        if (!clock.stop()) {
            result.winner = winnerOf(-side);
            result.onTime = true;
            break;
        }
        if (options.check && result.problem.empty()) {
            result.problem = positionProblem(g);
            if (result.problem.empty()) result.problem = alternationProblem(g, firstEntry, side);
        }
        bool royalTaken = false;
        for (int k = firstEntry; k <= g.record.counter; ++k) royalTaken |= isRoyal(g.record.captured[k]);
        if (royalTaken) {
            result.winner = winnerOf(side);
            break;
        }
    }
    result.moves = g.record.counter;
    if (options.check && result.problem.empty()) result.problem = replayProblem(g);
    return result;
}

}  // namespace cli

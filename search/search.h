#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/move_generation.h"
#include "search/position.h"
#include "search/transposition_table.h"
#include "state/move.h"

namespace search {

// How long the strong computer may think about one move.
struct Limits {
    std::uint64_t nodes = 0;  // a node budget; 0 means the time limit below
    double seconds = 1.0;     // the time for a move: new iterations start only in its first half,
                              // and the search stops at one and a half times it
    int depth = 60;           // the deepest iteration
    // Set by another thread to end the search at once (checked every 1024
    // nodes); the answer is then the best move found so far.
    const std::atomic<bool>* stop = nullptr;
    // A clock's last moment for the move, in seconds: the search answers its
    // best so far there, budget or not. 0: none, so a budgeted search depends
    // on the position and the budget alone.
    double stopSeconds = 0;
    // The weaker levels' near-best choice: any move of the last completed
    // iteration within `margin` hundredths of a pawn of the best may be played,
    // picked by `seed` and the position. 0: always the best.
    int margin = 0;
    std::uint64_t seed = 0;
};

// The move chosen: the search's own packed move, and the same move as the
// game passes moves (with what it takes). Found is false when the side has
// no move.
struct Choice {
    bool found = false;
    Move move = 0;
    state::Move played;
    int score = 0;  // hundredths of a pawn for the side to move; near ±kWin a won or lost game
    int depth = 0;  // the deepest iteration completed
    std::uint64_t nodes = 0;
    double seconds = 0;
};

inline constexpr int kWin = 30000;
inline constexpr int kWinBound = kWin - 1000;  // scores beyond it count moves to a royal capture

// The level-four player: iterative deepening principal variation search with
// a transposition table, quiescence on captures and move ordering by the
// table's move, captures by value, killers and history. One object per
// player; it owns its table, so each thread that thinks needs its own.
class Searcher {
public:
    explicit Searcher(std::size_t tableMegabytes = 32);

    // The move for the side to move of `root`. With a node budget the answer
    // depends on the position and the budget alone.
    Choice choose(const Position& root, const Limits& limits);

private:
    static constexpr int kMaxPly = 96;
    struct RootMove {
        Move move = 0;
        int score = 0;
    };

    int search(Position& p, int depth, int alpha, int beta, int ply, bool nullAllowed);
    int quiesce(Position& p, int alpha, int beta, int ply, int evasions);
    int rootIteration(Position& p, int depth, std::vector<RootMove>& moves, int margin);
    RootMove nearBestPick(const Position& p, const std::vector<RootMove>& moves, int best,
                          const Limits& limits) const;
    bool shouldStop();
    bool repeated(const Position& p, int ply) const;
    void scoreMoves(const Position& p, const MoveList& list, Move ttMove, int ply,
                    std::array<int, kMaxMoves>& scores) const;
    void rewardQuiet(const Position& p, Move m, int depth, int ply);

    TranspositionTable table_;
    std::array<std::array<Move, 2>, kMaxPly> killers_{};
    std::array<std::array<int, kCells>, 31> history_{};
    std::array<std::uint64_t, kMaxPly + 1> path_{};
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = 0;
    std::chrono::steady_clock::time_point deadline_{};
    const std::atomic<bool>* stop_ = nullptr;
    bool timed_ = false;  // whether the deadline counts
    bool stopped_ = false;
};

}  // namespace search

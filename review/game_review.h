#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "review/grades.h"
#include "state/move.h"
#include "state/move_record.h"
#include "state/outcome.h"
#include "state/pieces.h"

namespace review {

// The search's budget for each position at the default: a game of 100 moves
// (101 positions, 30 million nodes) takes about 9 s on one core, and 4 s of
// each core on two (bench/review_bench).
inline constexpr std::uint64_t kDefaultNodes = 300000;

// One move of the record, reviewed. Win chances are the mover's.
struct MoveReview {
    int ply = 0;              // the move's number from 1: a Nue King's two-step move is one
    int first = 0, last = 0;  // the record entries it covers
    int side = 0;             // +1 upper, -1 lower
    state::Move played;
    state::Move best;           // the search's choice in the position before the move
    bool searchChoice = false;  // the move played leads where the search's choice does
    double bestWin = 0;         // after the best move: the search's score of the position before
    double win = 0;             // after the move played: the search's score of the position after
    double loss = 0;            // bestWin − win, never below 0; 0 for the search's own choice
    Grade grade = Grade::Best;
};

// A position of the game: before move 1, and after each move.
struct PositionReview {
    int side = 0;                // the side to move
    Army army = Army::Even;      // the pieces it leads
    bool searched = false;       // false once the game has ended there
    int score = 0;               // the search's score for the side to move
    double firstMoverWin = 0.5;  // the chance of the side that moved first: the game's graph
};

struct Request {
    state::Board start;        // the position before the record's entry 1
    state::MoveRecord record;  // entries 1..last are reviewed
    std::uint64_t nodes = kDefaultNodes;
    int threads = 2;                          // positions searched at once; the answer never depends on it
    const std::atomic<bool>* stop = nullptr;  // set by another thread: the review ends at once
    // Told after each position searched (from a worker thread, one call at a time).
    std::function<void(int searched, int total)> progress;
};

struct Result {
    enum class Status { Done, Stopped, IllegalMove };
    Status status = Status::Done;
    int badPly = 0;  // IllegalMove: the first move the position does not allow
    int firstMover = -1;
    std::vector<MoveReview> moves;
    std::vector<PositionReview> positions;  // 0 (the start) .. moves.size()
    SideSummary lower, upper;
    state::Outcome outcome;   // after the last move
    std::uint64_t nodes = 0;  // searched in all
};

// Reviews every move of the record: replays it from the start with the
// rules, searches every position once with a fresh search at the node
// budget (the position after a move is the one before the next), and grades
// each move by the win chance it gave away. Deterministic at a given budget.
// Overrides: a move that takes a royal piece is best; a move after which the
// opponent can take the mover's royal piece at once is a blunder when some
// other move of the position avoided that.
Result 検討(const Request& request);

// The game's start for a record: the Nue King's side moves first, below when
// the first move is the lower side's, as a loaded record starts.
state::Board 初期局面(const state::MoveRecord& r);

// The board before entry 1, found from the board at the record's current
// entry by taking its entries back, last first.
state::Board 記録の開始局面(const state::Board& now, const state::MoveRecord& r);

// One side's counts and accuracy over the reviewed moves.
SideSummary 集計(const std::vector<MoveReview>& moves, int side);

}  // namespace review

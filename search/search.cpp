#include "search/search.h"

#include <algorithm>

#include "search/attacks.h"
#include "search/evaluation.h"
#include "search/pieces.h"

namespace search {

namespace {

constexpr int kInfinite = 32000;

// Win scores count the moves to the capture from the node they are stored
// at, so a table entry means the same wherever it is met again.
int toTable(int s, int ply) { return s >= kWinBound ? s + ply : (s <= -kWinBound ? s - ply : s); }
int fromTable(int s, int ply) { return s >= kWinBound ? s - ply : (s <= -kWinBound ? s + ply : s); }

int takenValue(const Position& p, Move m) {
    int v = kPieceValue[kindOf(p.cell[toOf(m)])];
    const int second = secondOf(m);
    if (second != 0 && second != fromOf(m)) v += kPieceValue[kindOf(p.cell[second])];
    return v;
}

bool takesRoyal(const Position& p, Move m) {
    const int second = secondOf(m);
    for (int c : {static_cast<int>(p.cell[toOf(m)]),
                  second != 0 && second != fromOf(m) ? static_cast<int>(p.cell[second]) : 0})
        if (kindOf(c) == kNueKing || kindOf(c) == kKing) return true;
    return false;
}

bool quiet(const Position& p, Move m) { return !promotes(m) && takenValue(p, m) == 0; }

int pickNext(const MoveList& list, std::array<int, kMaxMoves>& scores, int from) {
    int best = from;
    for (int i = from + 1; i < list.size; ++i)
        if (scores[static_cast<std::size_t>(i)] > scores[static_cast<std::size_t>(best)]) best = i;
    return best;
}

void swapMoves(MoveList& list, std::array<int, kMaxMoves>& scores, int a, int b) {
    std::swap(list.moves[static_cast<std::size_t>(a)], list.moves[static_cast<std::size_t>(b)]);
    std::swap(scores[static_cast<std::size_t>(a)], scores[static_cast<std::size_t>(b)]);
}

Choice describe(const Position& p, Move m) {
    Choice c;
    c.found = true;
    c.move = m;
    c.played = toGameMove(p, m);
    return c;
}

}  // namespace

Searcher::Searcher(std::size_t tableMegabytes) : table_(tableMegabytes) {}

bool Searcher::shouldStop() {
    if (stopped_) return true;
    if ((nodes_ & 1023) == 0 && stop_ != nullptr && stop_->load(std::memory_order_relaxed))
        return stopped_ = true;
    if (nodeLimit_ != 0 && nodes_ >= nodeLimit_) {
        stopped_ = true;
    } else if (timed_ && (nodes_ & 1023) == 0) {
        stopped_ = std::chrono::steady_clock::now() >= deadline_;
    }
    return stopped_;
}

bool Searcher::repeated(const Position& p, int ply) const {
    for (int i = ply - 2; i >= 0; i -= 2)
        if (path_[static_cast<std::size_t>(i)] == p.key) return true;
    return false;
}

// Order: the table's move, captures by the value taken (cheaper takers
// first), promotions, the killers of this ply, then history.
void Searcher::scoreMoves(const Position& p, const MoveList& list, Move ttMove, int ply,
                          std::array<int, kMaxMoves>& scores) const {
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const int mover = kindOf(p.cell[fromOf(m)]);
        const int taken = takenValue(p, m);
        int s;
        if (m == ttMove)
            s = 1 << 30;
        else if (taken > 0)
            s = (1 << 24) + taken * 16 - kPieceValue[mover] / 16 + (promotes(m) ? 200 : 0);
        else if (promotes(m))
            s = (1 << 23);
        else if (m == killers[0])
            s = (1 << 22) + 1;
        else if (m == killers[1])
            s = (1 << 22);
        else
            s = history_[static_cast<std::size_t>(p.cell[fromOf(m)] + 15)][static_cast<std::size_t>(toOf(m))];
        scores[static_cast<std::size_t>(i)] = s;
    }
}

void Searcher::rewardQuiet(const Position& p, Move m, int depth, int ply) {
    auto& killers = killers_[static_cast<std::size_t>(ply)];
    if (killers[0] != m) {
        killers[1] = killers[0];
        killers[0] = m;
    }
    int& h = history_[static_cast<std::size_t>(p.cell[fromOf(m)] + 15)][static_cast<std::size_t>(toOf(m))];
    h = std::min(h + depth * depth, 1 << 20);
}

int Searcher::quiesce(Position& p, int alpha, int beta, int ply, int evasions) {
    ++nodes_;
    if (shouldStop()) return 0;
    if (canTakeRoyal(p)) return kWin - ply;
    if (!p.hasRoyal(p.side)) return -(kWin - ply);
    if (p.entries >= kRecordCapacity) return 0;  // the next move would not fit: a draw
    if (ply >= kMaxPly - 1) return evaluate(p);
    // With its royal piece attacked the side may not stand pat: every move
    // is tried once, to see whether one escapes.
    const bool inDanger = evasions < 1 && royalAttacked(p, p.side);
    MoveList list;
    int best;
    int standPat = 0;
    if (inDanger) {
        best = -(kWin - ply);
        generateMoves(p, list, GenerationMode::Distinct);
    } else {
        standPat = evaluate(p);
        if (standPat >= beta) return standPat;
        alpha = std::max(alpha, standPat);
        best = standPat;
        generateMoves(p, list, GenerationMode::Captures);
    }
    std::array<int, kMaxMoves> scores{};
    scoreMoves(p, list, 0, std::min(ply, kMaxPly - 1), scores);
    for (int i = 0; i < list.size; ++i) {
        swapMoves(list, scores, i, pickNext(list, scores, i));
        const Move m = list.moves[static_cast<std::size_t>(i)];
        // A capture that cannot lift the score to alpha even unanswered is not tried.
        if (!inDanger && !promotes(m) && standPat + takenValue(p, m) + 250 < alpha) continue;
        const Undo u = p.make(m);
        const int s = -quiesce(p, -beta, -alpha, ply + 1, evasions + (inDanger ? 1 : 0));
        p.unmake(m, u);
        if (stopped_) return 0;
        if (s > best) {
            best = s;
            if (s > alpha) {
                alpha = s;
                if (s >= beta) break;
            }
        }
    }
    return best;
}

int Searcher::search(Position& p, int depth, int alpha, int beta, int ply, bool nullAllowed) {
    if (depth <= 0) return quiesce(p, alpha, beta, ply, 0);
    ++nodes_;
    if (shouldStop()) return 0;
    path_[static_cast<std::size_t>(ply)] = p.key;
    if (canTakeRoyal(p)) return kWin - ply;
    if (!p.hasRoyal(p.side)) return -(kWin - ply);
    if (p.entries >= kRecordCapacity) return 0;
    if (ply >= kMaxPly - 1) return evaluate(p);
    if (repeated(p, ply)) return 0;
    const bool pvNode = beta - alpha > 1;

    Move ttMove = 0;
    if (const TableEntry* e = table_.probe(p.key)) {
        ttMove = e->move;
        const int s = fromTable(e->score, ply);
        if (!pvNode && e->depth >= depth &&
            (e->bound == Bound::Exact || (e->bound == Bound::Lower && s >= beta) ||
             (e->bound == Bound::Upper && s <= alpha)))
            return s;
    }
    const bool inDanger = royalAttacked(p, p.side);
    const int staticEval = inDanger ? -kInfinite : evaluate(p);

    // A position already better than beta by a margin stays so near the leaves.
    if (!pvNode && !inDanger && depth <= 2 && staticEval - 160 * depth >= beta && staticEval < kWinBound)
        return staticEval;
    // Null move: if passing still holds beta, a real move will. The Nue King
    // side can pass for real (a step out and back), so it is sound there too.
    if (!pvNode && nullAllowed && !inDanger && depth >= 3 && staticEval >= beta) {
        p.makeNull();
        path_[static_cast<std::size_t>(ply + 1)] = p.key;
        const int s = -search(p, depth - 3, -beta, -beta + 1, ply + 1, false);
        p.unmakeNull();
        if (stopped_) return 0;
        if (s >= beta) return s >= kWinBound ? beta : s;
    }

    MoveList list;
    generateMoves(p, list, GenerationMode::Distinct);
    if (list.size == 0) return -(kWin - ply);  // a side that cannot move has lost
    std::array<int, kMaxMoves> scores{};
    scoreMoves(p, list, ttMove, ply, scores);
    const int originalAlpha = alpha;
    int best = -kInfinite;
    Move bestMove = 0;
    for (int i = 0; i < list.size; ++i) {
        swapMoves(list, scores, i, pickNext(list, scores, i));
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const bool isQuiet = quiet(p, m);
        const Undo u = p.make(m);
        int s;
        if (i == 0) {
            s = -search(p, depth - 1, -beta, -alpha, ply + 1, true);
        } else {
            // Late quiet moves are looked at less deeply first.
            const int r =
                (depth >= 3 && i >= 3 && isQuiet && !inDanger) ? (i >= 12 && depth >= 5 ? 2 : 1) : 0;
            s = -search(p, depth - 1 - r, -alpha - 1, -alpha, ply + 1, true);
            if (s > alpha && r > 0) s = -search(p, depth - 1, -alpha - 1, -alpha, ply + 1, true);
            if (s > alpha && s < beta) s = -search(p, depth - 1, -beta, -alpha, ply + 1, true);
        }
        p.unmake(m, u);
        if (stopped_) return 0;
        if (s > best) {
            best = s;
            bestMove = m;
            if (s > alpha) {
                alpha = s;
                if (s >= beta) {
                    if (isQuiet) rewardQuiet(p, m, depth, ply);
                    break;
                }
            }
        }
    }
    const Bound bound = best >= beta ? Bound::Lower : (best > originalAlpha ? Bound::Exact : Bound::Upper);
    table_.store(p.key, bestMove, toTable(best, ply), depth, bound);
    return best;
}

// With a margin the later moves are tested against the best less the margin,
// not the best itself, so that every move within the margin comes out with
// its true score and one beneath it with a score below best - margin.
int Searcher::rootIteration(Position& p, int depth, std::vector<RootMove>& moves, int margin) {
    int alpha = -kInfinite;
    const int beta = kInfinite;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Undo u = p.make(moves[i].move);
        int s;
        if (i == 0) {
            s = -search(p, depth - 1, -beta, -alpha, 1, true);
        } else {
            const int floor = alpha - margin;
            s = -search(p, depth - 1, -floor - 1, -floor, 1, true);
            if (s > floor && !stopped_) s = -search(p, depth - 1, -beta, -floor, 1, true);
        }
        p.unmake(moves[i].move, u);
        if (stopped_) return alpha;
        moves[i].score = s;
        if (s > alpha) {
            alpha = s;
            // The best move so far leads the list: it stands if time runs out.
            std::rotate(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(i),
                        moves.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
    return alpha;
}

// One of the moves within the margin of the best, by the seed and the
// position alone: a level that plays it again in the same position plays the
// same move. A won game is always played out by the best move.
Searcher::RootMove Searcher::nearBestPick(const Position& p, const std::vector<RootMove>& moves, int best,
                                          const Limits& limits) const {
    if (best >= kWinBound) return moves[0];
    std::vector<RootMove> near;
    for (const RootMove& m : moves)
        if (m.score > best - limits.margin) near.push_back(m);
    if (near.empty()) return moves[0];
    // splitmix64 of the seed and the position's key
    std::uint64_t z = limits.seed ^ p.key;
    z += 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return near[static_cast<std::size_t>(z % near.size())];
}

Choice Searcher::choose(const Position& root, const Limits& limits) {
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    nodes_ = 0;
    stopped_ = false;
    nodeLimit_ = limits.nodes;
    stop_ = limits.stop;
    // Without a budget the move ends at one and a half times its time; a
    // clock may end it sooner, budget or not.
    double stopAfter = limits.nodes == 0 ? limits.seconds * 1.5 : 0;
    if (limits.stopSeconds > 0)
        stopAfter = stopAfter > 0 ? std::min(stopAfter, limits.stopSeconds) : limits.stopSeconds;
    timed_ = stopAfter > 0;
    deadline_ = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(stopAfter));
    killers_ = {};
    for (auto& row : history_) row.fill(0);
    if (limits.nodes != 0)
        table_.clear();  // a budgeted search starts from nothing: the same answer every time

    Position p = root;
    p.key = p.computeKey();
    path_[0] = p.key;
    MoveList list;
    generateMoves(p, list, GenerationMode::Distinct);
    if (list.size == 0) return Choice{};
    for (int i = 0; i < list.size; ++i)
        if (takesRoyal(p, list.moves[static_cast<std::size_t>(i)])) {
            Choice c = describe(p, list.moves[static_cast<std::size_t>(i)]);
            c.score = kWin - 1;
            c.seconds = elapsed();
            return c;
        }
    std::array<int, kMaxMoves> scores{};
    scoreMoves(p, list, 0, 0, scores);
    std::vector<RootMove> moves;
    for (int i = 0; i < list.size; ++i) {
        swapMoves(list, scores, i, pickNext(list, scores, i));
        moves.push_back({list.moves[static_cast<std::size_t>(i)], 0});
    }
    Choice best = describe(p, moves[0].move);
    RootMove picked;  // the near-best choice of the last completed iteration
    for (int depth = 1; depth <= limits.depth; ++depth) {
        const int score = rootIteration(p, depth, moves, limits.margin);
        // An unfinished iteration still counts when its first move, the
        // earlier best, was searched through and another one beat it.
        if (stopped_ && moves[0].move == best.move) break;
        best = describe(p, moves[0].move);
        best.score = score;
        if (stopped_) break;
        best.depth = depth;
        if (limits.margin > 0) picked = nearBestPick(p, moves, score, limits);
        if (score >= kWinBound || score <= -kWinBound) break;
        if (limits.nodes == 0 && elapsed() >= limits.seconds * 0.5) break;
        // Later moves keep the order of their last scores.
        std::stable_sort(moves.begin() + 1, moves.end(),
                         [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
    }
    if (picked.move != 0 && picked.move != best.move) {
        const int depth = best.depth;
        best = describe(p, picked.move);
        best.depth = depth;
        best.score = picked.score;
    }
    best.nodes = nodes_;
    best.seconds = elapsed();
    return best;
}

}  // namespace search

// The level-four move generation against the rules' own move check: at every
// node of a depth-3 tree the two give the same moves, so the counts agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "search/move_generation.h"
#include "search/perft.h"
#include "state/game_data.h"

namespace {

using search::Position;

// A move as both generators can say it: from, to, placed, and the second
// step's square (0, 0 for a one-entry move).
using Listed = std::tuple<int, int, int, int, int, int, int>;

bool hasRoyal(const state::Board& b, int sign) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (b(x, y) == sign * state::王 || b(x, y) == sign * state::鵺王) return true;
    return false;
}

// One record entry and its move on the board, as the game makes them.
void enter(state::GameData& g, int x, int y, int tx, int ty, int moved, int placed) {
    rules::手順保存(g, x, y, tx, ty, moved, placed);
    rules::盤面移動(g, x, y, tx, ty, placed);
}

struct Saved {
    state::Board board;
    int counter;
};

void restore(state::GameData& g, const Saved& s) {
    g.board = s.board;
    g.record.counter = s.counter;
    g.record.last = s.counter;
}

// Every move of the side over the move check: each destination it allows,
// promoted and unpromoted as the promotion rules allow, and for a Nue King's
// step to a neighbour every second step the move check then allows.
std::vector<Listed> referenceMoves(state::GameData& g, int side) {
    std::vector<Listed> out;
    if (!hasRoyal(g.board, 1) || !hasRoyal(g.board, -1)) return out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p == 0 || (p > 0) != (side > 0)) continue;
            // Only the sliding pieces reach beyond two squares.
            const int kind = state::magnitude(p);
            const bool slides = kind == state::香 || kind == state::飛 || kind == state::龍 ||
                                kind == state::角 || kind == state::馬;
            const int reach = slides ? 8 : 2;
            for (int tx = std::max(1, x - reach); tx <= std::min(9, x + reach); ++tx)
                for (int ty = std::max(1, y - reach); ty <= std::min(9, y + reach); ++ty) {
                    g.state.stepState = 1;
                    if (rules::移動チェック(g.board, rules::着手文脈(g.record, false), x, y, tx, ty, p) !=
                        state::有)
                        continue;
                    if (state::magnitude(p) == state::鵺王) {
                        out.emplace_back(x, y, tx, ty, p, 0, 0);
                        if (std::abs(tx - x) > 1 || std::abs(ty - y) > 1) continue;
                        const Saved saved{g.board, g.record.counter};
                        enter(g, x, y, tx, ty, p, p);
                        g.state.stepState = 2;
                        for (int x2 = std::max(1, tx - 2); x2 <= std::min(9, tx + 2); ++x2)
                            for (int y2 = std::max(1, ty - 2); y2 <= std::min(9, ty + 2); ++y2)
                                if (rules::移動チェック(g.board, rules::着手文脈(g.record, true), tx, ty, x2,
                                                        y2, side * state::王) == state::有)
                                    out.emplace_back(x, y, tx, ty, p, x2, y2);
                        restore(g, saved);
                        continue;
                    }
                    int promoted = p;
                    if (rules::調査_駒成(x, y, tx, ty, p, promoted) == state::有) {
                        out.emplace_back(x, y, tx, ty, promoted, 0, 0);
                        if (rules::移動後チェック(ty, p) == state::無) continue;
                    }
                    out.emplace_back(x, y, tx, ty, p, 0, 0);
                }
        }
    g.state.stepState = 1;
    std::sort(out.begin(), out.end());
    return out;
}

Listed listed(const Position& p, search::Move m) {
    const int moved = p.cell[search::fromOf(m)];
    const int second = search::secondOf(m);
    return {search::fileOf(search::fromOf(m)),
            search::rankOf(search::fromOf(m)),
            search::fileOf(search::toOf(m)),
            search::rankOf(search::toOf(m)),
            search::promotes(m) ? moved + p.side : moved,
            second ? search::fileOf(second) : 0,
            second ? search::rankOf(second) : 0};
}

// Walks both trees together; answers the number of leaves, and fails the
// test at the first node where the move lists differ.
std::uint64_t compareTrees(state::GameData& g, Position& p, int depth) {
    if (depth == 0) return 1;
    search::MoveList list;
    search::generateMoves(p, list, search::GenerationMode::All);
    std::vector<Listed> ours;
    for (int i = 0; i < list.size; ++i) ours.push_back(listed(p, list.moves[static_cast<std::size_t>(i)]));
    std::sort(ours.begin(), ours.end());
    const std::vector<Listed> theirs = referenceMoves(g, p.side);
    EXPECT_EQ(ours, theirs) << "at depth " << depth;
    if (ours != theirs || testing::Test::HasFailure()) return 0;
    std::uint64_t leaves = 0;
    for (int i = 0; i < list.size; ++i) {
        const search::Move m = list.moves[static_cast<std::size_t>(i)];
        const auto [x, y, tx, ty, placed, x2, y2] = listed(p, m);
        const Saved saved{g.board, g.record.counter};
        const int moved = g.board(x, y);
        enter(g, x, y, tx, ty, moved, placed);
        if (x2 != 0) enter(g, tx, ty, x2, y2, moved, moved);
        const search::Undo u = p.make(m);
        leaves += compareTrees(g, p, depth - 1);
        p.unmake(m, u);
        restore(g, saved);
        if (testing::Test::HasFailure()) return 0;
    }
    return leaves;
}

// Plays random moves of the search's generator from a start, for middlegames.
void randomPlies(state::GameData& g, int plies, unsigned seed) {
    std::mt19937 rng(seed);
    Position p = search::fromGame(g.board, g.record, 1);
    for (int i = 0; i < plies; ++i) {
        search::MoveList list;
        search::generateMoves(p, list, search::GenerationMode::Distinct);
        if (list.size == 0) break;
        const search::Move m = list.moves[rng() % static_cast<unsigned>(list.size)];
        Position next = p;
        next.make(m);
        if (!next.hasRoyal(1) || !next.hasRoyal(-1)) continue;
        p = next;
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) g.board(x, y) = p.at(x, y);
}

struct Case {
    const char* name;
    void (*setUp)(state::GameData&);
};

void humanFirst(state::GameData& g) { rules::初期設定_先手自(g); }
void computerFirst(state::GameData& g) { rules::初期設定_先手敵(g); }
void humanMiddlegame(state::GameData& g) {
    rules::初期設定_先手自(g);
    randomPlies(g, 24, 3);
}
void computerMiddlegame(state::GameData& g) {
    rules::初期設定_先手敵(g);
    randomPlies(g, 30, 11);
}
// Two Nue Kings face each other, one guarded by a gold and one not; pawns,
// a lance and a knight stand where promotion is compulsory or optional.
void twoNueKings(state::GameData& g) {
    g.board.fillSquares(0);
    g.board(5, 5) = state::鵺王;
    g.board(6, 7) = -state::鵺王;
    g.board(7, 8) = -state::金;
    g.board(3, 4) = -state::成銀;
    g.board(2, 8) = state::歩;
    g.board(8, 7) = state::桂;
    g.board(1, 6) = state::香;
    g.board(9, 5) = state::角;
    g.board(4, 2) = -state::飛;
    g.board(6, 3) = -state::桂;
    g.board(5, 9) = -state::王;
}

TEST(PerftTest, MovesEqualTheMoveCheckToDepthThree) {
    const Case cases[] = {
        {"human-first start", humanFirst},
        {"computer-first start", computerFirst},
        {"human-first middlegame", humanMiddlegame},
        {"computer-first middlegame", computerMiddlegame},
        {"two Nue Kings", twoNueKings},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state::GameData g;
        c.setUp(g);
        g.record = state::MoveRecord{};
        Position p = search::fromGame(g.board, g.record, 1);
        const std::uint64_t leaves = compareTrees(g, p, 3);
        EXPECT_EQ(search::perft(p, 3), leaves);
        EXPECT_GT(leaves, 1000u);
    }
}

// The counts of both starts, which the tree walk above proves against the
// move check: the upper army first (30 moves), or the upper Nue King first
// (48 moves: jumps, single steps and two-step pairs).
TEST(PerftTest, CountsFromBothStarts) {
    const struct {
        void (*setUp)(state::GameData&);
        std::uint64_t counts[4];
    } rows[] = {
        {humanFirst, {1, 30, 1440, 40936}},
        {computerFirst, {1, 48, 1440, 99180}},
    };
    for (const auto& row : rows) {
        state::GameData g;
        row.setUp(g);
        Position p = search::fromGame(g.board, state::MoveRecord{}, 1);
        for (int depth = 0; depth <= 3; ++depth)
            EXPECT_EQ(search::perft(p, depth), row.counts[depth]) << depth;
    }
}

}  // namespace

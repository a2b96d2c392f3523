// The level-four search on small positions built by hand: it takes a royal
// piece when it can, saves its own, wins material by a fork, and answers the
// same move under the same node budget.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "search/attacks.h"
#include "search/evaluation.h"
#include "search/pieces.h"
#include "search/search.h"

namespace {

using namespace search;

constexpr int kRookValue = kPieceValue[kRook];

struct Piece {
    int x, y, code;
};

Position build(std::initializer_list<Piece> pieces, int side) {
    Position p = emptyPosition();
    for (const Piece& q : pieces) put(p, q.x, q.y, q.code);
    p.side = side;
    p.key = p.computeKey();
    return p;
}

Limits budget(std::uint64_t nodes) {
    Limits l;
    l.nodes = nodes;
    return l;
}

TEST(SearchTest, TakesARoyalPieceInOne) {
    // The rook takes the Nue King down the file, though the gold beside it is free.
    const Position rookTakes = build({{1, 5, kRook}, {1, 8, -kNueKing}, {5, 1, kKing}, {2, 5, -kGold}}, 1);
    // The lower Nue King reaches the king two squares away.
    const Position nueTakes = build({{5, 1, kKing}, {4, 3, -kNueKing}, {9, 9, kGold}, {6, 1, kGold}}, -1);
    Searcher s(1);
    const Choice a = s.choose(rookTakes, budget(20000));
    EXPECT_EQ((std::tuple{a.played.fromX, a.played.fromY, a.played.toX, a.played.toY}),
              (std::tuple{1, 5, 1, 8}));
    const Choice b = s.choose(nueTakes, budget(20000));
    EXPECT_EQ((std::tuple{b.played.toX, b.played.toY}), (std::tuple{5, 1}));
    EXPECT_GE(b.score, kWinBound);
}

TEST(SearchTest, SavesItsRoyalPieceFromCaptureInOne) {
    const struct {
        const char* name;
        Position position;
    } cases[] = {
        // The lower Nue King on (3, 3) reaches the upper king; the upper
        // rook could take a free gold instead, and would lose the king.
        {"king", build({{5, 1, kKing}, {3, 3, -kNueKing}, {9, 5, kRook}, {9, 7, -kGold}, {9, 9, -kPawn}}, 1)},
        // The upper rook and bishop bear on the lower Nue King, which must
        // leave for a square neither they nor the silver reach.
        {"Nue King",
         build({{5, 1, kKing}, {1, 5, kRook}, {3, 7, kBishop}, {6, 6, kSilver}, {5, 5, -kNueKing}}, -1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Searcher s(1);
        const Choice chosen = s.choose(c.position, budget(50000));
        ASSERT_TRUE(chosen.found);
        Position after = c.position;
        after.make(chosen.move);
        EXPECT_FALSE(canTakeRoyal(after));
    }
}

TEST(SearchTest, WinsMaterialByAForkInTwo) {
    // The knight's jump to (4, 6) attacks the king and the rook at once; the
    // king must step aside and the knight takes the rook.
    Position p = build(
        {{5, 1, kKing}, {5, 4, kKnight}, {1, 2, kPawn}, {3, 8, -kRook}, {5, 8, -kKing}, {9, 9, -kPawn}}, 1);
    const int before = material(p);
    Searcher upper(1), lower(1);
    for (int ply = 0; ply < 3; ++ply) {
        const Choice c = (ply % 2 == 0 ? upper : lower).choose(p, budget(100000));
        ASSERT_TRUE(c.found);
        if (ply == 0) {
            EXPECT_EQ((std::tuple{c.played.fromX, c.played.fromY, c.played.toX, c.played.toY}),
                      (std::tuple{5, 4, 4, 6}));
        }
        p.make(c.move);
    }
    p.makeNull();  // material() counts for the side to move: the upper side again
    EXPECT_GE(material(p) - before, kRookValue);
}

TEST(SearchTest, SameMoveUnderTheSameNodeBudget) {
    const Position p = build({{5, 1, kKing},
                              {4, 1, kGold},
                              {6, 1, kGold},
                              {2, 2, kRook},
                              {8, 2, kBishop},
                              {3, 3, kPawn},
                              {5, 3, kPawn},
                              {7, 3, kPawn},
                              {5, 7, -kNueKing}},
                             1);
    Searcher first(2), second(2);
    const Choice a = first.choose(p, budget(30000));
    second.choose(build({{5, 5, kNueKing}, {1, 9, -kKing}}, 1), budget(5000));  // a table with other contents
    const Choice b = second.choose(p, budget(30000));
    const Choice c = first.choose(p, budget(30000));
    for (const Choice* other : {&b, &c}) {
        EXPECT_EQ(other->move, a.move);
        EXPECT_EQ(other->score, a.score);
        EXPECT_EQ(other->nodes, a.nodes);
    }
    EXPECT_LE(a.nodes, 30000u);
}

}  // namespace

#include <gtest/gtest.h>

#include <random>

#include "positions.h"
#include "rules/move_check.h"
#include "rules/reach.h"

using namespace rules;
using namespace state;
using testing_support::mapText;
using testing_support::TestGame;
using testing_support::移動チェック;

namespace {

// The squares where a map is not 0, as "x,y=n" in scan order.
std::string marked(const Grid<int>& m) {
    std::string out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (m(x, y) != 0)
                out += std::to_string(x) + "," + std::to_string(y) + "=" + std::to_string(m(x, y)) + " ";
    return out;
}

}  // namespace

TEST(ReachCounts, KnightPromotedSilverLanceBehindPawnAndTheEdge) {
    TestGame t;
    state::Game& g = t.game;
    // A lower knight on (5, 5) protects its own gold on (4, 3) and reaches
    // past the upper pawn before it; a lower lance on (1, 9) stops behind
    // its pawn on (1, 8).
    g.board(5, 5) = -桂;
    g.board(5, 4) = 歩;
    g.board(4, 3) = -金;
    g.board(1, 9) = -香;
    g.board(1, 8) = -歩;
    const ReachCounts c = 調査_利き数(g.board);
    EXPECT_EQ(marked(c.lower), "1,7=1 1,8=1 3,2=1 3,3=1 4,2=1 4,3=1 4,4=1 5,2=1 5,3=1 6,3=1 ");
    // The upper pawn on (5, 4) takes the knight's square, nothing else.
    EXPECT_EQ(marked(c.upper), "5,5=1 ");

    // A promoted silver moves as a gold, towards row 9 for the upper side.
    TestGame s;
    s.game.board(5, 5) = 成銀;
    s.game.board(9, 1) = 飛;  // a rook in the corner: its row and its column
    const ReachCounts u = 調査_利き数(s.game.board);
    EXPECT_EQ(mapText(u.upper),
              "   1   1   1   1   1   1   1   1   0\n"
              "   0   0   0   0   0   0   0   0   1\n"
              "   0   0   0   0   0   0   0   0   1\n"
              "   0   0   0   0   1   0   0   0   1\n"
              "   0   0   0   1   0   1   0   0   1\n"
              "   0   0   0   1   1   1   0   0   1\n"
              "   0   0   0   0   0   0   0   0   1\n"
              "   0   0   0   0   0   0   0   0   1\n"
              "   0   0   0   0   0   0   0   0   1\n");
    EXPECT_EQ(marked(u.lower), "");
}

TEST(ReachCounts, TheNueKingReachesItsWholeBlockOverPiecesAndNotAGuardedNueKing) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 2) = 金;
    g.board(5, 3) = 鵺王;
    g.board(5, 4) = -歩;
    g.board(5, 5) = -鵺王;
    const ReachCounts c = 調査_利き数(g.board);
    int lowerNue = 0;
    for (int x = 3; x <= 7; ++x)
        for (int y = 3; y <= 7; ++y) lowerNue += c.lower(x, y);
    // The Nue King reaches 23 squares of its block, over its own pawn; not
    // (5, 3), where the upper Nue King is guarded by its gold. The pawn adds (5, 3).
    EXPECT_EQ(c.lower(5, 3), 1);  // the pawn alone
    EXPECT_EQ(c.lower(5, 4), 1);  // the Nue King protects its pawn
    EXPECT_EQ(c.lower(7, 7), 1);
    EXPECT_EQ(c.lower(5, 5), 0);
    EXPECT_EQ(lowerNue, 24);
    EXPECT_EQ(調査_利き(g.board, 5, 5, 5, 3), 無);
    // Yet two steps, (5, 5) to (4, 4) to (5, 3), take it: the guard is lifted
    // on a second step, so the upper Nue King stands attacked.
    EXPECT_TRUE(調査_着地被取(g.board, 5, 3, 4, 3, 鵺王));
}

TEST(LandingSafety, AMoveIsTriedWithItsSourceSquareEmptied) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 1) = 飛;
    g.board(4, 3) = 歩;
    g.board(5, 5) = -金;
    // Stepping back along the rook's file: the square it leaves no longer shields it.
    EXPECT_TRUE(調査_着地被取(g.board, 5, 5, 5, 6, -金));
    EXPECT_TRUE(調査_着地被取(g.board, 5, 5, 5, 4, -金));
    EXPECT_TRUE(調査_着地被取(g.board, 5, 5, 4, 4, -金));  // the pawn takes it
    EXPECT_FALSE(調査_着地被取(g.board, 5, 5, 4, 5, -金));
    EXPECT_FALSE(調査_着地被取(g.board, 5, 5, 6, 4, -金));
}

TEST(LandingSafety, NueKingTwoStepLandingsAtTheEdgeAndACaptureOnTheWay) {
    TestGame t;
    state::Game& g = t.game;
    g.board(1, 9) = -鵺王;
    g.board(3, 7) = 金;  // guards (2, 7) (2, 8) (3, 8) (4, 7) (4, 8) (3, 6)
    const Landings l = 調査_鵺二手着地(g.board, 1, 9);
    std::string text;
    for (int y = 7; y <= 9; ++y) {
        for (int x = 1; x <= 4; ++x) text += ".SA"[static_cast<int>(l(x, y))];
        text += '\n';
    }
    // Back to the start counts; (3, 7) is safe because the route through
    // (2, 8) takes the gold there on the second step.
    EXPECT_EQ(text,
              "SAS.\n"
              "SAA.\n"
              "SSS.\n");
    EXPECT_EQ(調査_鵺二手着地(g.board, 3, 7)(3, 7), Landing::None);  // not a Nue King
}

TEST(ReachCounts, AgreeWithTheMoveCheckAskedAboutEverySquareOnRandomBoards) {
    std::mt19937 rng(18);
    TestGame t, scratch;
    state::Game& g = t.game;
    state::Game& s = scratch.game;
    s.state.stepState = 1;
    // Asked as of a fresh move, whatever the game's step and record say;
    // both are left as they were.
    g.state.stepState = 2;
    g.record.counter = 3;
    for (int round = 0; round < 300; ++round) {
        g.board = Board{};
        const int pieces = 4 + static_cast<int>(rng() % 20);
        for (int i = 0; i < pieces; ++i) {
            const int code = 1 + static_cast<int>(rng() % 15);
            g.board(1 + static_cast<int>(rng() % 9), 1 + static_cast<int>(rng() % 9)) =
                rng() % 2 ? code : -code;
        }
        const Board before = g.board;
        const ReachCounts counts = 調査_利き数(g.board);
        調査_鵺二手着地(g.board, 5, 5);
        ASSERT_EQ(g.board, before);
        ASSERT_EQ(g.state.stepState, 2);
        ASSERT_EQ(g.record.counter, 3);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty) {
                int lower = 0, upper = 0;
                for (int x = 1; x <= 9; ++x)
                    for (int y = 1; y <= 9; ++y) {
                        const int p = g.board(x, y);
                        if (p == 0 || (x == tx && y == ty)) continue;
                        s.board = g.board;
                        const int there = s.board(tx, ty);
                        if (!(p > 0 ? there < 0 : there > 0)) s.board(tx, ty) = p > 0 ? -歩 : 歩;
                        const int answer = 移動チェック(s, x, y, tx, ty, p);
                        ASSERT_EQ(answer, 調査_利き(g.board, x, y, tx, ty)) << round << ": " << x << "," << y;
                        (p > 0 ? upper : lower) += answer;
                    }
                ASSERT_EQ(counts.lower(tx, ty), lower) << "round " << round << " at " << tx << "," << ty;
                ASSERT_EQ(counts.upper(tx, ty), upper) << "round " << round << " at " << tx << "," << ty;
            }
    }
}

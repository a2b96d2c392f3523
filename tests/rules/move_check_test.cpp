#include <gtest/gtest.h>

#include "positions.h"
#include "rules/move_check.h"

using namespace rules;
using namespace state;
using testing_support::destinations;
using testing_support::setBoard;
using testing_support::Square;
using testing_support::TestGame;
using testing_support::移動チェック;
using testing_support::調査_鵺守;
using Squares = std::vector<Square>;

namespace {

// A piece alone on an otherwise empty board.
Squares alone(int piece, int x, int y) {
    TestGame t;
    t.game.board(x, y) = piece;
    return destinations(t.game, x, y, piece);
}

}  // namespace

TEST(MoveGeometry, EveryKindOnAnEmptyBoardForBothSides) {
    struct Case {
        int piece, x, y;
        Squares expected;
    };
    const Case cases[] = {
        {歩, 5, 5, {{5, 6}}},
        {-歩, 5, 5, {{5, 4}}},
        {歩, 5, 9, {}},  // nothing ahead of an upper pawn on the last row
        {-歩, 5, 1, {}},
        {香, 5, 6, {{5, 7}, {5, 8}, {5, 9}}},
        {-香, 5, 4, {{5, 1}, {5, 2}, {5, 3}}},
        {桂, 5, 5, {{4, 7}, {6, 7}}},
        {-桂, 5, 5, {{4, 3}, {6, 3}}},
        {桂, 1, 7, {{2, 9}}},
        {桂, 5, 8, {}},
        {-桂, 9, 3, {{8, 1}}},
        {銀, 5, 5, {{4, 4}, {4, 6}, {5, 6}, {6, 4}, {6, 6}}},
        {-銀, 5, 5, {{4, 4}, {4, 6}, {5, 4}, {6, 4}, {6, 6}}},
        {金, 5, 5, {{4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 5}, {6, 6}}},
        {-金, 5, 5, {{4, 4}, {4, 5}, {5, 4}, {5, 6}, {6, 4}, {6, 5}}},
        {と, 1, 1, {{1, 2}, {2, 1}, {2, 2}}},
        {-成香, 9, 9, {{8, 8}, {8, 9}, {9, 8}}},
        {成桂, 5, 5, {{4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 5}, {6, 6}}},
        {-成銀, 5, 5, {{4, 4}, {4, 5}, {5, 4}, {5, 6}, {6, 4}, {6, 5}}},
        {王, 1, 1, {{1, 2}, {2, 1}, {2, 2}}},
        {-王, 5, 5, {{4, 4}, {4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 4}, {6, 5}, {6, 6}}},
        {-鵺王, 1, 9, {{1, 7}, {1, 8}, {2, 7}, {2, 8}, {2, 9}, {3, 7}, {3, 8}, {3, 9}}},
        {角, 1, 1, {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}},
        {-飛,
         9,
         9,
         {{1, 9},
          {2, 9},
          {3, 9},
          {4, 9},
          {5, 9},
          {6, 9},
          {7, 9},
          {8, 9},
          {9, 1},
          {9, 2},
          {9, 3},
          {9, 4},
          {9, 5},
          {9, 6},
          {9, 7},
          {9, 8}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(alone(c.piece, c.x, c.y), c.expected) << "piece " << c.piece << " on " << c.x << "," << c.y;
}

TEST(MoveGeometry, NueKingReachesTheWholeFiveByFiveBlockOverPieces) {
    TestGame t;
    // Surrounded by its own side's pieces on every adjacent square.
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . -1 -1 -1 . . .
        . . . -1 -14 -1 . . .
        . . . -1 -1 -1 . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    const Squares got = destinations(t.game, 5, 5, -鵺王);
    EXPECT_EQ(got.size(), 16u);  // the outer ring of the 5 x 5 block
    EXPECT_EQ(got.front(), (Square{3, 3}));
    EXPECT_EQ(got.back(), (Square{7, 7}));
    EXPECT_EQ(移動チェック(t.game, 5, 5, 7, 4, -鵺王), 有);  // (source + 2, source - 1)
    EXPECT_EQ(移動チェック(t.game, 5, 5, 8, 5, -鵺王), 無);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 5, -鵺王), 無);  // the same square
}

TEST(MoveGeometry, DestinationOffTheBoardIsRefusedBeforeTheBoardIsRead) {
    TestGame t;
    t.game.board(5, 5) = 龍;
    for (int piece : {歩, -歩, 龍, -鵺王, 王, -桂}) {
        EXPECT_EQ(移動チェック(t.game, 5, 5, 0, 5, piece), 無);
        EXPECT_EQ(移動チェック(t.game, 5, 5, 10, 5, piece), 無);
        EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 0, piece), 無);
        EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 10, piece), 無);
    }
}

TEST(LineBlocking, LinesStopAtPiecesOfEitherSideAndMayTakeAnEnemy) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . -3 . . -10 . . -1 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . . . . . .)");
    const Squares rook = destinations(t.game, 5, 5, -飛);
    const Squares expected = {{3, 5}, {4, 5}, {5, 2}, {5, 3}, {5, 4}, {5, 6}, {5, 7}, {5, 8}, {6, 5}, {7, 5}};
    EXPECT_EQ(rook, expected);
    // The dragon adds the four diagonal steps to the same lines.
    t.game.board(5, 5) = -龍;
    EXPECT_EQ(destinations(t.game, 5, 5, -龍).size(), expected.size() + 4);
    // An upper lance walks down its file and takes the first piece it meets.
    t.game.board(5, 2) = 香;
    EXPECT_EQ(destinations(t.game, 5, 2, 香), (Squares{{5, 3}, {5, 4}, {5, 5}}));
}

TEST(LineBlocking, BishopAndHorseDiagonals) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . 1 . . . . . .
        . . . . . . . . .
        . . . . 12 . . . .
        . . . . . . . . .
        . . -1 . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    EXPECT_EQ(移動チェック(t.game, 5, 5, 4, 4, 角), 有);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 3, 3, 角), 無);  // own pawn
    EXPECT_EQ(移動チェック(t.game, 5, 5, 3, 7, 角), 有);  // takes the lower pawn
    EXPECT_EQ(移動チェック(t.game, 5, 5, 2, 8, 角), 無);  // behind it
    EXPECT_EQ(移動チェック(t.game, 5, 5, 9, 9, 角), 有);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 6, 角), 無);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 6, 馬), 有);  // the horse's extra step
    EXPECT_EQ(移動チェック(t.game, 5, 5, 6, 5, 馬), 有);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 7, 5, 馬), 無);
    // A knight jumps: the squares in between never matter.
    t.game.board(4, 4) = 1;
    t.game.board(4, 3) = 1;
    EXPECT_EQ(移動チェック(t.game, 4, 5, 3, 3, -桂), 有);
}

TEST(NueKingCaptureRules, ImmediateRecaptureReadsRecordEntriesNAndNMinusOne) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 5) = 鵺王;
    g.board(5, 6) = -歩;
    g.record.placed[0] = 歩;  // as every game start leaves it
    // With no move recorded the rule never applies, whatever entry 0 holds.
    g.record.captured[0] = -鵺王;
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, -歩), 有);
    // The last move took the lower Nue King: the upper one may not be taken back.
    g.record.counter = 1;
    g.record.captured[1] = -鵺王;
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, -歩), 無);
    // ...unless the move before the last was the attacked Nue King's own.
    g.record.placed[0] = 鵺王;
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, -歩), 有);
    // Later in a game: entries n and n - 1.
    g.record.counter = 7;
    g.record.captured[7] = -鵺王;
    g.record.placed[6] = -金;
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, -歩), 無);
    g.record.captured[7] = -金;
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, -歩), 有);
    // The mirror case for the lower Nue King.
    g.board.fillSquares(0);
    g.board(5, 5) = -鵺王;
    g.board(5, 4) = 金;
    g.record.captured[7] = 鵺王;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 5, 金), 無);
    g.record.placed[6] = -鵺王;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 5, 金), 有);
}

TEST(NueKingCaptureRules, AGuardedNueKingCannotBeTakenExceptOnTheSecondStep) {
    TestGame t;
    state::Game& g = t.game;
    g.state.stepState = 1;
    g.board(5, 3) = 鵺王;
    g.board(5, 4) = -鵺王;
    g.board(5, 1) = 香;  // guards (5, 3) down the file
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -鵺王), 無);
    g.state.stepState = 2;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -鵺王), 有);
    g.state.stepState = 1;
    // A lower guard does not guard the upper Nue King.
    g.board(5, 1) = -香;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -鵺王), 有);
    // Other pieces may take a guarded Nue King: the rule is the Nue King's.
    g.board(5, 1) = 香;
    g.board(6, 4) = -金;
    EXPECT_EQ(移動チェック(g, 6, 4, 5, 3, -金), 有);
    // The board is as it was.
    EXPECT_EQ(g.board(5, 3), 鵺王);
    EXPECT_EQ(g.board(5, 4), -鵺王);
}

TEST(NueKingCaptureRules, GuardSearchLiftsTheAttackerOffItsSquare) {
    TestGame t;
    state::Game& g = t.game;
    g.state.stepState = 1;
    // The upper rook behind the lower Nue King sees (5, 3) once it is lifted.
    g.board(5, 3) = 鵺王;
    g.board(5, 5) = -鵺王;
    g.board(5, 7) = 飛;
    EXPECT_EQ(調査_鵺守(g, Side::Upper, 5, 5, 5, 3), 有);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 3, -鵺王), 無);
    g.board(5, 6) = -歩;  // blocks the rook
    EXPECT_EQ(調査_鵺守(g, Side::Upper, 5, 5, 5, 3), 無);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 3, -鵺王), 有);
    EXPECT_EQ(g.board(5, 3), 鵺王);
    EXPECT_EQ(g.board(5, 5), -鵺王);
}

TEST(MoveGeometry, OwnPiecesAndTheSourceSquareAreNeverDestinations) {
    TestGame t;
    state::Board& b = t.game.board;
    b(5, 5) = 金;
    b(5, 6) = 歩;
    b(4, 6) = -歩;
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 6, 金), 無);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 4, 6, 金), 有);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 5, 金), 無);
    // The piece is the one asked about, not the one standing on the source.
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 4, 歩), 無);
    EXPECT_EQ(移動チェック(t.game, 5, 5, 5, 4, -歩), 有);
}

// The line walks of the sliding pieces and the gold procedures: where a walk
// stops, the walk through the opposing king, the interposition marks, and
// what the two sides record differently.
#include <gtest/gtest.h>

#include "engine/influence.h"
#include "engine_support.h"
#include "positions.h"

namespace {

using engine_support::grid;
using engine_support::surveyAsGameControl;
using testing_support::mapText;
using testing_support::setBoard;
using testing_support::TestGame;

TEST(Settlement, RookChecksThroughToTheSquaresBehindTheKing) {
    TestGame t;
    t.game.board(5, 9) = -10;
    t.game.board(5, 3) = 15;
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(mapText(m.manCheck), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 9 0 0 0 0)"));
    EXPECT_EQ(mapText(m.manCount), grid(R"(
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        1 1 1 1 0 1 1 1 1)"));
    EXPECT_EQ(m.manAtk(5, 3), 17);
    EXPECT_EQ(m.manAtkX(5, 3), 5);
    EXPECT_EQ(m.manAtkY(5, 3), 9);
    EXPECT_EQ(m.manAtkCount(5, 3), 1);
}

TEST(Settlement, ComputerBishopChecksThroughTheHumanKingAndStopsAtThePieceBehind) {
    TestGame t;
    setBoard(t.game, R"(
        12 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . -15 . . . . .
        . . . . . . . . .
        . . . . . -1 . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(mapText(m.comCheck), grid(R"(
        9 0 0 0 0 0 0 0 0
        0 1 0 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(mapText(m.comCount), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 1 0 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 0 1 0 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 0 1 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(m.comAtk(4, 4), 16);  // the king's square holds a human piece
    EXPECT_EQ(m.comAtk(6, 6), 16);
    EXPECT_EQ(m.comAtkX(6, 6), 1);
    EXPECT_EQ(m.comAtkY(6, 6), 1);
}

TEST(Settlement, LanceStopsAtTheFirstPiece) {
    TestGame t;
    t.game.board(3, 1) = 3;
    t.game.board(3, 4) = -1;
    t.game.board(3, 7) = -10;  // further down the file: never reached
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(mapText(m.comCount), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(m.comAtk(3, 4), 2);
    EXPECT_EQ(m.comAtkX(3, 4), 3);
    EXPECT_EQ(m.comAtkY(3, 4), 1);
    EXPECT_EQ(m.comAtk(3, 7), state::kNone);
}

TEST(Settlement, BishopOnTheEdgeWalksOnlyTowardsTheBoard) {
    TestGame t;
    t.game.board(1, 5) = -12;
    surveyAsGameControl(t.game);
    EXPECT_EQ(mapText(t.game.maps.manCount), grid(R"(
        0 0 0 0 1 0 0 0 0
        0 0 0 1 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 1 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 1 0 0 0 0 0 0 0
        0 0 1 0 0 0 0 0 0
        0 0 0 1 0 0 0 0 0
        0 0 0 0 1 0 0 0 0)"));
}

TEST(Settlement, RookBesideItsOwnPieceDefendsItAndGoesNoFurther) {
    TestGame t;
    t.game.board(5, 5) = -10;
    t.game.board(5, 4) = -1;  // reaches (5, 3) by itself
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(mapText(m.manCount), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        1 1 1 1 0 1 1 1 1
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0)"));
    EXPECT_EQ(m.manDef(5, 4), 17);
    EXPECT_EQ(m.manAtkCount(5, 4), 0);
}

TEST(Settlement, GoldsReachAllNeighboursButTheirTwoBackwardDiagonals) {
    TestGame t;
    t.game.board(5, 1) = 9;
    t.game.board(5, 9) = -9;
    t.game.board(2, 5) = -2;
    surveyAsGameControl(t.game);
    EXPECT_EQ(mapText(t.game.maps.comCount), grid(R"(
        0 0 0 1 0 1 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(mapText(t.game.maps.manCount), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        1 1 1 0 0 0 0 0 0
        1 0 1 0 0 0 0 0 0
        0 1 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 1 0 1 0 0 0)"));
}

TEST(Settlement, SlidersStopAtTheNueKingAndMarkNothing) {
    // A walk records the Nue King's square and ends there, with no checker
    // mark even on the slider; a gold's step does mark its checker.
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 14 . . . .
        . . . -9 . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -10 . . . .)");
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.manCount(5, 3), 2);
    EXPECT_EQ(m.manCount(5, 2), 0);
    EXPECT_EQ(m.manCount(5, 1), 0);
    EXPECT_EQ(m.manAtk(5, 3), 8);  // the gold (4, 4) is met before the rook (5, 9)
    EXPECT_EQ(m.manAtkX(5, 3), 4);
    EXPECT_EQ(m.manAtkCount(5, 3), 2);
    EXPECT_EQ(mapText(m.manCheck), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 9 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));

    TestGame u;
    u.game.board(1, 1) = 12;
    u.game.board(4, 4) = -14;
    surveyAsGameControl(u.game);
    EXPECT_EQ(u.game.maps.comCount(4, 4), 1);
    EXPECT_EQ(u.game.maps.comCount(5, 5), 0);
    EXPECT_EQ(u.game.maps.comAtk(4, 4), 16);
    EXPECT_EQ(u.game.maps.comCheck(1, 1), 0);
    EXPECT_EQ(u.game.maps.comCheck(2, 2), 0);
}

TEST(Settlement, ComputerDefenderSquaresComeFromStepsAndWalksOnly) {
    // The rook (met first) writes its square; the gold then enters a cheaper
    // value but leaves the rook's square in place.
    TestGame t;
    t.game.board(5, 5) = 10;
    t.game.board(5, 3) = 1;
    t.game.board(6, 3) = 9;
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.comDef(5, 3), 8);
    EXPECT_EQ(m.comDefX(5, 3), 5);
    EXPECT_EQ(m.comDefY(5, 3), 5);
    EXPECT_EQ(m.comCount(5, 3), 2);
    EXPECT_EQ(m.comCount(5, 2), 0);  // the rook's walk ended at its own pawn
}

TEST(Settlement, DragonsAndHorsesAddTheirSteps) {
    TestGame t;
    t.game.board(5, 5) = -11;
    t.game.board(5, 6) = -1;  // ends the dragon's walk down; its pawn step defends the dragon
    t.game.board(2, 2) = 13;  // its walk down-right ends on the dragon
    t.game.board(3, 2) = 1;   // defended by the horse's step
    surveyAsGameControl(t.game);
    EXPECT_EQ(mapText(t.game.maps.manCount), grid(R"(
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 1 1 1 0 0 0
        1 1 1 1 1 1 1 1 1
        0 0 0 1 1 1 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(t.game.maps.manDef(5, 6), 22);
    EXPECT_EQ(mapText(t.game.maps.comCount), grid(R"(
        1 1 1 0 0 0 0 0 0
        1 0 1 0 0 0 0 0 0
        1 1 2 0 0 0 0 0 0
        0 0 0 1 0 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(t.game.maps.comDef(3, 2), 23);
    EXPECT_EQ(t.game.maps.comDefX(3, 2), 2);
}

}  // namespace

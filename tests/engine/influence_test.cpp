// The survey of both sides: control counts, cheapest attackers and
// defenders, checker marks and king squares, with their clearing values and
// the ways the two sides differ.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/influence.h"
#include "engine_support.h"
#include "positions.h"

using namespace state;

namespace {

using engine_support::grid;
using engine_support::surveyAsGameControl;
using testing_support::mapText;
using testing_support::setBoard;
using testing_support::TestGame;

constexpr int kNone = state::kNone;

int total(const state::Map& m) {
    int sum = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) sum += m(x, y);
    return sum;
}

// ---- Reach of single pieces ----

TEST(Survey, ManNueKingInTheCornerReachesEightSquares) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
      -14 . . . . . . . .)");
    surveyAsGameControl(t.game);
    EXPECT_EQ(mapText(t.game.maps.manCount), grid(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        1 1 1 0 0 0 0 0 0
        1 1 1 0 0 0 0 0 0
        0 1 1 0 0 0 0 0 0)"));
    EXPECT_EQ(t.game.maps.manKingX, 1);
    EXPECT_EQ(t.game.maps.manKingY, 9);
}

TEST(Survey, NueKingsReachEverySquareWithinTwoWithNoBlocking) {
    // Pieces of both sides around them change nothing of the reach.
    struct Case {
        int code, x, y, reached;
    } const cases[] = {
        {-14, 5, 5, 24}, {14, 5, 5, 24}, {14, 9, 1, 8}, {-14, 2, 2, 15}, {14, 5, 9, 14},
    };
    for (const Case& c : cases) {
        TestGame t;
        for (int x = 1; x <= 9; ++x) t.game.board(x, c.y == 5 ? 4 : 7) = c.code > 0 ? -1 : 1;
        t.game.board(c.x, c.y) = c.code;
        surveyAsGameControl(t.game);
        const state::Map& own = c.code > 0 ? t.game.maps.comCount : t.game.maps.manCount;
        int reached = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (own(x, y) > 0 && std::abs(x - c.x) <= 2 && std::abs(y - c.y) <= 2) ++reached;
        EXPECT_EQ(reached, c.reached) << c.code << " on " << c.x << ',' << c.y;
    }
}

TEST(Survey, KnightsAndPromotedMinorPiecesReachNothing) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . 5 . 4 . 6 . 8 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . -5 . -4 . -6 . -8 .
        . . . . . . . . .
        . . . . . . . . .)");
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(total(m.manCount) + total(m.comCount), 0);
    EXPECT_EQ(total(m.manAtkCount) + total(m.manCheck) + total(m.comCheck), 0);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            EXPECT_EQ(m.manDef(x, y), kNone);
            EXPECT_EQ(m.comDef(x, y), kNone);
            EXPECT_EQ(m.manAtk(x, y), kNone);
            EXPECT_EQ(m.comAtk(x, y), kNone);
        }
}

TEST(Survey, PawnsOnTheirLastRowReachNothing) {
    TestGame t;
    t.game.board(3, 1) = -1;
    t.game.board(7, 9) = 1;
    surveyAsGameControl(t.game);
    EXPECT_EQ(total(t.game.maps.manCount), 0);
    EXPECT_EQ(total(t.game.maps.comCount), 0);
}

TEST(Survey, SilversAndGoldsReachTheirOwnShapesForEachSide) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . 7 . . . . . 9 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . -7 . . . . . -2 .
        . . . . . . . . .)");
    surveyAsGameControl(t.game);
    // The computer moves down the board: its silver steps back only diagonally.
    EXPECT_EQ(mapText(t.game.maps.comCount), grid(R"(
        1 0 1 0 0 0 0 1 0
        0 0 0 0 0 0 1 0 1
        1 1 1 0 0 0 1 1 1
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
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        1 1 1 0 0 0 1 1 1
        0 0 0 0 0 0 1 0 1
        1 0 1 0 0 0 0 1 0)"));
}

// ---- Cheapest attackers and defenders ----

TEST(Survey, CheapestAttackerKeepsTheFirstOfEquallyCheapPieces) {
    struct Case {
        const char* what;
        std::pair<int, int> a, b;  // two human pieces' squares
        int codeA, codeB;
        int value, atkX, atkY;
    } const cases[] = {
        {"two golds, smaller column first", {4, 6}, {6, 6}, -9, -9, 8, 4, 6},
        {"two golds in one column, smaller row first", {6, 5}, {6, 6}, -9, -9, 8, 6, 5},
        {"a silver met before a pawn", {4, 6}, {5, 6}, -7, -1, 1, 5, 6},
        {"a pawn met before a silver", {5, 6}, {6, 6}, -1, -7, 1, 5, 6},
    };
    for (const Case& c : cases) {
        TestGame t;
        t.game.board(5, 5) = 3;  // the attacked computer lance
        t.game.board(c.a.first, c.a.second) = c.codeA;
        t.game.board(c.b.first, c.b.second) = c.codeB;
        surveyAsGameControl(t.game);
        const state::InfluenceMaps& m = t.game.maps;
        EXPECT_EQ(m.manAtkCount(5, 5), 2) << c.what;
        EXPECT_EQ(m.manAtk(5, 5), c.value) << c.what;
        EXPECT_EQ(m.manAtkX(5, 5), c.atkX) << c.what;
        EXPECT_EQ(m.manAtkY(5, 5), c.atkY) << c.what;
        EXPECT_EQ(m.manCount(5, 5), 2) << c.what;
    }
}

TEST(Survey, PiecesNextToTheirKingShowTheKingsCode) {
    TestGame t;
    // Beside the computer king: a knight its gold also defends, a silver, and
    // the gold itself. Beside the human king: a gold a silver also defends.
    setBoard(t.game, R"(
        . . . 5 15 7 . . .
        . . . 9 . . 1 . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . -7 . . . . . .
        . . . -9 -15 . . . .)");
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.manDef(4, 9), -15);  // the king's code, though a silver (5) defends it too
    EXPECT_EQ(m.manCount(4, 9), 2);
    EXPECT_EQ(m.comDef(6, 1), 15);  // defended by the king alone
    EXPECT_EQ(m.comDef(4, 2), 15);
    EXPECT_EQ(m.comDef(4, 1), 8);  // the gold is cheaper than the king's code
    EXPECT_EQ(m.comCount(4, 1), 2);
    // Neither the king nor the gold writes a defender square; a step does.
    EXPECT_EQ(m.comDefX(4, 1), 0);
    EXPECT_EQ(m.comDefX(6, 1), 0);
    EXPECT_EQ(m.comDef(7, 2), 5);
    EXPECT_EQ(m.comDefX(7, 2), 6);
    EXPECT_EQ(m.comDefY(7, 2), 1);
}

TEST(Survey, TheKingIsNeverCheapestAttackerNorChecker) {
    TestGame t;
    t.game.board(5, 9) = -15;
    t.game.board(5, 8) = 15;  // the two kings side by side
    t.game.board(4, 8) = 1;
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.manAtkCount(4, 8), 1);
    EXPECT_EQ(m.manAtk(4, 8), kNone);
    EXPECT_EQ(m.manAtkX(4, 8), 0);
    EXPECT_EQ(m.manCount(5, 8), 1);
    EXPECT_EQ(m.manCheck(5, 9), 0);
    // The computer king's squares next to the human king get the count only.
    EXPECT_EQ(m.comCount(5, 9), 1);
    EXPECT_EQ(m.comAtk(5, 9), kNone);
    EXPECT_EQ(m.comCheck(5, 8), 0);
    EXPECT_EQ(m.manKingX * 10 + m.manKingY, 59);
    EXPECT_EQ(m.comKingX * 10 + m.comKingY, 58);
}

TEST(Survey, AnEmptySquareReachedByBothSidesGetsOnlyTheCounts) {
    TestGame t;
    t.game.board(5, 3) = 1;   // reaches (5, 4)
    t.game.board(5, 5) = -1;  // reaches (5, 4)
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.manCount(5, 4), 1);
    EXPECT_EQ(m.comCount(5, 4), 1);
    EXPECT_EQ(m.manAtk(5, 4), kNone);
    EXPECT_EQ(m.manDef(5, 4), kNone);
    EXPECT_EQ(m.comAtk(5, 4), kNone);
    EXPECT_EQ(m.comDef(5, 4), kNone);
    EXPECT_EQ(m.manAtkCount(5, 4), 0);
}

// ---- Check marks by single steps ----

TEST(Survey, SingleStepsMarkTheCheckerOnEitherRoyalPiece) {
    struct Case {
        const char* what;
        int royal, rx, ry, piece, px, py;
        bool human;  // whose checker map is marked
    } const cases[] = {
        {"human pawn on the computer king", 15, 5, 4, -1, 5, 5, true},
        {"human silver on the computer Nue King", 14, 5, 4, -7, 4, 5, true},
        {"human gold on the computer Nue King", 14, 5, 4, -9, 5, 5, true},
        {"computer gold on the human Nue King", -14, 5, 6, 9, 5, 5, false},
        {"computer pawn on the human king", -15, 5, 6, 1, 5, 5, false},
        {"computer Nue King two squares from the human king", -15, 5, 7, 14, 5, 5, false},
    };
    for (const Case& c : cases) {
        TestGame t;
        t.game.board(c.rx, c.ry) = c.royal;
        t.game.board(c.px, c.py) = c.piece;
        surveyAsGameControl(t.game);
        const state::Map& marks = c.human ? t.game.maps.manCheck : t.game.maps.comCheck;
        EXPECT_EQ(marks(c.px, c.py), 9) << c.what;
        EXPECT_EQ(total(marks), 9) << c.what;
    }
}

// ---- The two sides are not alike ----

TEST(Survey, ComputerGoldAttacksEnterNoCheapestAttacker) {
    TestGame t;
    t.game.board(5, 5) = 9;  // computer gold reaching the human pawn below it
    t.game.board(5, 6) = -1;
    t.game.board(2, 5) = -9;  // human gold reaching the computer pawn above it
    t.game.board(2, 4) = 1;
    surveyAsGameControl(t.game);
    const state::InfluenceMaps& m = t.game.maps;
    EXPECT_EQ(m.comCount(5, 6), 1);
    EXPECT_EQ(m.comAtk(5, 6), kNone);
    EXPECT_EQ(m.manAtk(2, 4), 8);
    EXPECT_EQ(m.manAtkX(2, 4), 2);
    EXPECT_EQ(m.manAtkY(2, 4), 5);
    // The pawns attack each other's gold: a computer pawn's step is entered.
    EXPECT_EQ(m.comAtk(2, 5), 1);
    EXPECT_EQ(m.comAtkX(2, 5), 2);
    EXPECT_EQ(m.comAtkY(2, 5), 4);
}

TEST(Survey, OnlyTheComputersKingSetsItsKingSquare) {
    TestGame t;
    t.game.board(3, 3) = 14;
    t.game.board(7, 7) = -14;
    t.game.maps.comKingX = 0;
    t.game.maps.comKingY = 6;  // left from an earlier position
    surveyAsGameControl(t.game);
    EXPECT_EQ(t.game.maps.comKingX, 0);
    EXPECT_EQ(t.game.maps.comKingY, 6);
    EXPECT_EQ(t.game.maps.manKingX, 7);
    EXPECT_EQ(t.game.maps.manKingY, 7);
}

TEST(Survey, EachSideClearsItsOwnMapsToItsOwnValues) {
    TestGame t;
    state::Game& g = t.game;
    // First position: attacks and defences on both sides, squares recorded.
    setBoard(g, R"(
        . . . . . . . . .
        . . . . 10 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -3 . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . -10 . . . .
        . . . . . . . . .)");
    surveyAsGameControl(g);
    ASSERT_EQ(g.maps.comAtk(5, 5), 17);
    ASSERT_EQ(g.maps.comAtkX(5, 5), 5);
    ASSERT_EQ(g.maps.comDef(5, 7), kNone);
    ASSERT_EQ(g.maps.manAtk(5, 7), 17);
    ASSERT_EQ(g.maps.manAtkX(5, 7), 5);
    // Second position: nothing attacks anything.
    setBoard(g, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -3 . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    surveyAsGameControl(g);
    EXPECT_EQ(g.maps.comAtk(5, 5), kNone);
    EXPECT_EQ(g.maps.comAtkX(5, 5), 5);  // the computer side never clears its squares
    EXPECT_EQ(g.maps.comAtkY(5, 5), 2);
    EXPECT_EQ(g.maps.manAtk(5, 7), kNone);
    EXPECT_EQ(g.maps.manAtkX(5, 7), 0);  // the human side clears them to 0
    EXPECT_EQ(g.maps.manAtkY(5, 7), 0);
    EXPECT_EQ(g.maps.manAtkCount(5, 7), 0);
}

TEST(Survey, OneSidesSurveyLeavesTheOtherSidesMaps) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 5) = -13;
    g.board(5, 1) = 15;
    surveyAsGameControl(g);
    const state::InfluenceMaps before = g.maps;
    g.board(5, 5) = 0;
    g.board(1, 1) = 12;
    engine::勢力調査_COM(g);
    EXPECT_EQ(g.maps.manCount, before.manCount);
    EXPECT_EQ(g.maps.manDef, before.manDef);
    EXPECT_EQ(g.maps.manCheck, before.manCheck);
    EXPECT_NE(g.maps.comCount, before.comCount);
}

}  // namespace

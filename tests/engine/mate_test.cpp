// Escape squares, the two mate tests, the piece count and the count of safe
// destinations. The maps they read are surveyed first, as every caller does.
#include <gtest/gtest.h>

#include "engine/influence.h"
#include "engine/mate.h"
#include "positions.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace {

using testing_support::mapText;
using testing_support::setBoard;
using testing_support::TestGame;

void survey(state::Game& g) { engine::勢力調査_両軍(g); }

// ---- Escape squares of the human's royal piece ----

TEST(EscapeSquares, EmptyUncontrolledNeighboursOnlyAndTheMapIsNotCleared) {
    TestGame t;
    // Around the king on (5, 5): the gold controls the three squares above,
    // the pawn beside stands on one square and controls the one below it,
    // and the king's own pawn stands on another.
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . . . . . .
        . . . . -15 1 . . .
        . . . -1 . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    survey(t.game);
    t.game.search.escapeMap(1, 1) = 1;  // left from before: kept
    EXPECT_EQ(engine::調査_自王逃道(t.game), 2);
    EXPECT_EQ(mapText(t.game.search.escapeMap), mapText([] {
                  state::Grid<int> m;
                  m(1, 1) = 1;
                  m(4, 5) = 1;
                  m(5, 6) = 1;
                  return m;
              }()));
}

TEST(EscapeSquares, TheSquareBehindTheKingOnASlidersLineIsNoEscape) {
    TestGame t;
    t.game.board(5, 5) = -15;
    t.game.board(5, 1) = 10;  // its walk goes on through the king to (5, 9)
    survey(t.game);
    EXPECT_EQ(t.game.maps.comCount(5, 6), 1);
    EXPECT_EQ(engine::調査_自王逃道(t.game), 6);
    EXPECT_EQ(t.game.search.escapeMap(5, 6), 0);
    EXPECT_EQ(t.game.search.escapeMap(5, 4), 0);
}

// ---- Mate of the human's royal piece ----

struct MateCase {
    const char* what;
    const char* board;
    int mated;
};

void expectManMate(const MateCase& c) {
    TestGame t;
    setBoard(t.game, c.board);
    survey(t.game);
    const state::Board before = t.game.board;
    const state::InfluenceMaps maps = t.game.maps;
    EXPECT_EQ(engine::詰めかMAN(t.game), c.mated) << c.what;
    EXPECT_EQ(t.game.board, before) << c.what << ": the board is restored";
    EXPECT_EQ(t.game.maps.comCount, maps.comCount) << c.what << ": no survey is run";
}

TEST(ManMate, AKingNeedsEveryParryToLeaveItsSquareAttacked) {
    const MateCase cases[] = {
        {"not in check: never mated, however boxed in",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . 9 . . . . . . .
            . . 7 . . . . . .
            -15 . . . . . . . .)",
         0},
        {"double check by a protected gold and a rook",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            1 . . . . . . . .
            9 . -9 . . . . . .
            -15 . . 10 . . . . .)",
         1},
        {"the gold checks alone: the king's capture is judged on its old square",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            1 . . . . . . . .
            9 . . . . . . . .
            -15 . 7 . . . . . .)",
         0},
        {"the rook checks alone: the king's step onto the line parries it",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            9 . . . . . . . .
            . . . . . . . . .
            -15 . . . 10 . . . .)",
         0},
        {"double check: the silver's interposition leaves the gold's check",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            1 . . . . . . . .
            9 -7 . . . . . . .
            -15 . . 10 . . . . .)",
         1},
        {"a knight reaching the king's square keeps every parry from counting",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            1 5 9 . . . . . .
            9 . . . . . . . .
            -15 . 7 . . . . . .)",
         1},
    };
    for (const MateCase& c : cases) expectManMate(c);
}

TEST(ManMate, ANueKingIsMatedOnlyWhenNoUncontrolledSquareWithinTwoIsLeft) {
    // The rooks on rows 1 and 2 and on columns 1 and 2 control every square
    // within two of the corner but (3, 3); walks end on the Nue King and mark
    // nothing, so only a move of the Nue King itself can help.
    const char* const base = R"(
        -14 . . . . . . . 10
        . . . . . . . . 10
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        10 10 . . . . . . .)";
    struct Case {
        const char* what;
        int x, y, code;  // one piece added to the base position
        int mated;
    } const cases[] = {
        {"(3, 3) left free: it jumps there", 0, 0, 0, 0},
        {"a rook on column 3 controls (3, 3)", 3, 9, 10, 1},
        {"its own pawn stands on (3, 3)", 3, 3, -1, 1},
        {"an unprotected computer lance on (3, 3) can be taken", 3, 3, 3, 0},
        {"a computer pawn on (3, 2) controls (3, 3)", 3, 2, 1, 1},
    };
    for (const Case& c : cases) {
        TestGame t;
        setBoard(t.game, base);
        if (c.code != 0) t.game.board(c.x, c.y) = c.code;
        survey(t.game);
        EXPECT_GT(t.game.maps.comCount(1, 1), 0) << c.what;
        EXPECT_EQ(engine::詰めかMAN(t.game), c.mated) << c.what;
    }

    TestGame t;  // the lance protected by a rook behind it
    setBoard(t.game, base);
    t.game.board(3, 3) = 3;
    t.game.board(3, 9) = 10;
    survey(t.game);
    EXPECT_EQ(engine::詰めかMAN(t.game), 1);
}

TEST(ManMate, TheComputerMovingOntoTheRoyalSquareIsAskedByTheMoveCheck) {
    TestGame t;
    // A knight reaches nothing in the maps but may move onto the king.
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . 5 . . . . . . .
        . . . . . . . . .
        -15 . . . . . . . .)");
    survey(t.game);
    EXPECT_EQ(t.game.maps.comCount(1, 9), 0);
    EXPECT_EQ(engine::詰めかMAN_COM王移動(t.game), 1);
    t.game.board(2, 7) = 0;
    t.game.board(3, 7) = 5;
    EXPECT_EQ(engine::詰めかMAN_COM王移動(t.game), 0);
}

// ---- Mate of the computer's king ----

TEST(ComMate, InterpositionOnAMarkedSquareParriesTheCheck) {
    // The rook checks down the file. The silver can step between, but that
    // opens the bishop's diagonal; the gold's step between is the real parry,
    // and the squares tried are those marked when the test began.
    const char* const base = R"(
        . . . 3 15 3 . . .
        . . . . . 3 . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -10 . . . .)";
    struct Case {
        const char* what;
        bool silver, bishop, gold;
        int mated;
    } const cases[] = {
        {"the rook alone, nothing to interpose", false, false, false, 1},
        {"the silver interposes", true, false, false, 0},
        {"the silver's interposition opens the bishop", true, true, false, 1},
        {"the gold interposes after the silver's trial", true, true, true, 0},
    };
    for (const Case& c : cases) {
        TestGame t;
        setBoard(t.game, base);
        if (c.silver) t.game.board(4, 2) = 7;
        if (c.bishop) t.game.board(2, 4) = -12;
        if (c.gold) t.game.board(6, 4) = 9;
        if (!c.silver) t.game.board(4, 2) = 3;  // the king's square there stays blocked
        survey(t.game);
        const state::Board before = t.game.board;
        ASSERT_GT(t.game.maps.manCount(5, 1), 0) << c.what;
        EXPECT_EQ(engine::詰めかCOM(t.game), c.mated) << c.what;
        EXPECT_EQ(t.game.board, before) << c.what;
    }
}

TEST(ComMate, EscapesCapturesAndAMissingKing) {
    const MateCase cases[] = {
        {"not in check",
         R"(. . . . 15 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 . -10 . . .)",
         0},
        {"a king step to an uncontrolled square",
         R"(. . . . 15 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 -10 . . . .)",
         0},
        {"no step left and nothing to interpose",
         R"(. . . . 15 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 -10 -10 . . .)",
         1},
        {"a protected gold checks and nothing can take it",
         R"(. . . . 15 . . . .
            . . . . -9 . . . .
            . . . . -9 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 . -10 . . .
            . . . . . . . . .)",
         1},
        {"a computer gold takes the checking gold",
         R"(. . . 9 15 . . . .
            . . . . -9 . . . .
            . . . . -9 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 . -10 . . .
            . . . . . . . . .)",
         0},
        {"the Nue King's side has no king to mate",
         R"(. . . . 14 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . -10 -10 -10 . . .)",
         0},
    };
    for (const MateCase& c : cases) {
        TestGame t;
        setBoard(t.game, c.board);
        survey(t.game);
        const state::Board before = t.game.board;
        EXPECT_EQ(engine::詰めかCOM(t.game), c.mated) << c.what;
        EXPECT_EQ(t.game.board, before) << c.what;
    }
}

// ---- Counts ----

TEST(PieceCount, CountsEachSide) {
    TestGame t;
    rules::初期設定_先手自(t.game);
    int man = -1, com = -1;
    engine::調査_駒数(t.game, man, com);
    EXPECT_EQ(man, 1);
    EXPECT_EQ(com, 20);
    rules::初期設定_先手敵(t.game);
    engine::調査_駒数(t.game, man, com);
    EXPECT_EQ(man, 20);
    EXPECT_EQ(com, 1);
}

TEST(SafeDestinations, CountsLegalSquaresTheOpponentDoesNotControl) {
    TestGame t;
    setBoard(t.game, R"(
        10 . . . . . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . -7 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . -3 . . . . . 14)");
    survey(t.game);
    const state::Board before = t.game.board;
    // Rook: 8 squares along row 1 and 8 down column 1, less (3, 1) which the
    // lance reaches.
    EXPECT_EQ(engine::調査_移動可場所数(t.game, 1, 1, 10), 15);
    // Silver: (4, 4), (5, 4), (6, 4), (4, 6), (6, 6), less (5, 4) the pawn reaches.
    EXPECT_EQ(engine::調査_移動可場所数(t.game, 5, 5, -7), 4);
    // A Nue King counts 1, wherever it stands and whatever surrounds it.
    EXPECT_EQ(engine::調査_移動可場所数(t.game, 9, 9, 14), 1);
    EXPECT_EQ(engine::調査_移動可場所数(t.game, 5, 5, -14), 1);
    EXPECT_EQ(t.game.board, before);
}

}  // namespace

// The board evaluation through the computer's own search: each case reads the
// score the search gave one candidate, with the maps, baselines and pins the
// search set up. Comments say which terms add what.
#include <gtest/gtest.h>

#include <initializer_list>

#include "engine_support.h"
#include "positions.h"

namespace {

using engine_support::scoreOf;
using engine_support::searchAll;
using engine_support::sum;
using testing_support::setBoard;
using testing_support::TestGame;

// The score the search at `level` gives one candidate on `board`.
double scoreAt(int level, const char* board, int x, int y, int tx, int ty, int placed) {
    TestGame t;
    setBoard(t.game, board);
    t.game.state.level = level;
    return scoreOf(searchAll(t.game), x, y, tx, ty, placed);
}

// ---- Decisive results ----

TEST(Evaluation, TakingTheRoyalPieceScores9999AtEveryLevel) {
    const char* const board = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . -15 . . . .)";
    const char* const nue = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . -14 . . . .)";
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(scoreAt(level, board, 5, 8, 5, 9, 9), 9999) << level;
        EXPECT_EQ(scoreAt(level, nue, 5, 8, 5, 9, 9), 9999) << level;
    }
}

TEST(Evaluation, LeavingTheOwnKingAttackedScoresMinus9998UnlessItTakesTheRoyalPiece) {
    // The silver stands between its king and the human rook on the file.
    const char* const board = R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . 7 . . . .
        . . . -10 . -15 . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -10 . . . .)";
    TestGame t;
    setBoard(t.game, board);
    const auto r = searchAll(t.game);
    EXPECT_EQ(scoreOf(r, 5, 3, 4, 4, 7), -9998);  // takes a rook, opens the file
    EXPECT_EQ(scoreOf(r, 5, 3, 4, 2, 7), -9998);
    EXPECT_NE(scoreOf(r, 5, 3, 5, 4, 7), -9998);  // still in the way
    EXPECT_EQ(scoreOf(r, 5, 3, 6, 4, 7), 9999);   // takes the king
}

TEST(Evaluation, AMatingPawnMoveIsRefusedAndAMatingGoldIsNot) {
    // The pawn (or gold) steps to (1, 8), protected by the lance above; the
    // gold (3, 7) and the silver (3, 8) hold (2, 8) and (2, 9); when the king
    // takes on (1, 8) the knight still reaches its square: mate.
    const char* const pawn = R"(
        3 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        1 5 9 . . . . . .
        . . 7 . . . . . .
        -15 . . . . . . . .)";
    const char* const gold = R"(
        3 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        9 5 9 . . . . . .
        . . 7 . . . . . .
        -15 . . . . . . . .)";
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(scoreAt(level, pawn, 1, 7, 1, 8, 1), -9998) << level;
        EXPECT_EQ(scoreAt(level, gold, 1, 7, 1, 8, 9), 9998) << level;
    }
}

TEST(Evaluation, ACaptureThatLeavesTheComputerAheadInABareEnding) {
    // Rook takes the gold: one human piece and two computer pieces are left.
    // From level 2 that scores 9999; at level 1 the capture terms never run
    // and the danger scan finds nothing here.
    const char* const board = R"(
        10 . . . . . . . 15
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -9 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -15 . . . .)";
    EXPECT_EQ(scoreAt(1, board, 1, 1, 1, 5, 10), 0);
    EXPECT_EQ(scoreAt(2, board, 1, 1, 1, 5, 10), 9999);
    EXPECT_EQ(scoreAt(3, board, 1, 1, 1, 5, 10), 9999);
}

// ---- Capture and promotion terms ----

TEST(Evaluation, RookTakingAnUnprotectedPawn) {
    // Rook (5, 3) takes the pawn (5, 6), which nothing defends; the human
    // reaches (5, 6) neither before nor after. Exchange 1 - 17, then 5 x 1
    // for a safe to-square: -11. Nothing else acts: the kings are far, the
    // approach distance 4 is not above the column distance 4, and the rook
    // keeps 15 safe squares at level 3.
    const char* const board = R"(
        15 . . . . . . . .
        . . . . . . . . .
        . . . . 10 . . . .
        . . . . . . . . .
        . . . . . . . . -15
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -3)";
    EXPECT_EQ(scoreAt(1, board, 5, 3, 5, 6, 10), 0);  // the capture terms start at level 2
    EXPECT_EQ(scoreAt(2, board, 5, 3, 5, 6, 10), sum({1 - 17, 5}));
    EXPECT_EQ(scoreAt(3, board, 5, 3, 5, 6, 10), sum({1 - 17, 5}));
}

TEST(Evaluation, PromotionIsTriedSecondAndEarnsItsBonus) {
    // At level 1 only the promotion term and the danger scan count, and the
    // danger scan finds nothing: 0 unpromoted, 0.1 + 10 promoted on a square
    // the human does not reach.
    TestGame t;
    setBoard(t.game, R"(
        12 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . . .)");
    t.game.state.level = 1;
    const auto r = searchAll(t.game);
    std::size_t unpromoted = r.evaluations.size(), promoted = r.evaluations.size();
    for (std::size_t i = 0; i < r.evaluations.size(); ++i) {
        const auto& e = r.evaluations[i];
        if (e.tx == 7 && e.ty == 7) (e.placed == 12 ? unpromoted : promoted) = i;
    }
    ASSERT_LT(unpromoted, r.evaluations.size());
    ASSERT_EQ(promoted, unpromoted + 1);
    EXPECT_EQ(r.evaluations[unpromoted].score, 0);
    EXPECT_EQ(r.evaluations[promoted].score, sum({0.1, 10}));
}

TEST(Evaluation, CompulsoryPromotionIsTheOnlyEvaluation) {
    // A pawn to row 9 and a knight to row 8 must promote: one evaluation
    // each, with the promoted code.
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . 5 . . . . . . .
        . . . . . . . . .
        . . . . . . . 1 .
        -15 . . . . . . . .)");
    const auto r = searchAll(t.game);
    int pawn = 0, knight = 0;
    for (const auto& e : r.evaluations) {
        if (e.x == 8 && e.y == 8) {
            ++pawn;
            EXPECT_EQ(e.placed, 2);
        }
        if (e.x == 2 && e.y == 6) {
            ++knight;
            EXPECT_EQ(e.placed, 6);
        }
    }
    EXPECT_EQ(pawn, 1);
    EXPECT_EQ(knight, 2);  // (1, 8) and (3, 8)
}

// ---- Level-three piece terms ----

TEST(Evaluation, SilverPatternReturnsRunningScorePlus115) {
    // The silver goes to (7, 3) beside its pawn (8, 3), a human pawn on
    // (8, 5). Up to level 2 only the approach term acts: from (6, 2) or (7, 2)
    // the king-step distance to the human king (1, 9) is 7, above the row
    // distance 6 from (7, 3): +0.1. The straight advance costs 0.1 first.
    const char* const diagonal = R"(
        . . . . . . . . .
        . . . . . 7 . . .
        . . . . . . . 1 .
        . . . . . . . . .
        . . . . . . . -1 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . . .)";
    const char* const straight = R"(
        . . . . . . . . .
        . . . . . . 7 . .
        . . . . . . . 1 .
        . . . . . . . . .
        . . . . . . . -1 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . . .)";
    EXPECT_EQ(scoreAt(2, diagonal, 6, 2, 7, 3, 7), 0.1);
    EXPECT_EQ(scoreAt(3, diagonal, 6, 2, 7, 3, 7), sum({0.1, 115}));
    EXPECT_EQ(scoreAt(2, straight, 7, 2, 7, 3, 7), 0.1);
    EXPECT_EQ(scoreAt(3, straight, 7, 2, 7, 3, 7), sum({0.1, -0.1, 115}));
}

TEST(Evaluation, NueKingSingleStepCaptureAsksForASecondStep) {
    // The Nue King takes the pawn (5, 6) by one step from (5, 5). Stepped back
    // to (5, 5), is it safe, or taken only by the human Nue King with the
    // computer protecting, or is a square beside it on its row free? Then
    // exactly 1000, whatever else was added. Otherwise the running score.
    const char* const base = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 14 . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . -1 -1)";
    struct Piece {
        int x, y, code;
    };
    struct Case {
        const char* what;
        std::initializer_list<Piece> added;
        bool secondStep;
    } const cases[] = {
        {"nothing reaches (5, 5)", {}, true},
        {"rooks reach (4, 5), (5, 5) and (6, 5)", {{1, 5, -10}, {9, 5, -10}}, false},
        {"a rook reaches (4, 5) and (5, 5): (6, 5) is free", {{1, 5, -10}}, true},
        {"a rook reaches (6, 5) and (5, 5): (4, 5) is free", {{9, 5, -10}}, true},
        {"the human Nue King reaches (5, 5) and its row", {{5, 3, -14}}, false},
        {"...and a silver protects (5, 5)", {{5, 3, -14}, {4, 6, 7}}, true},
    };
    for (const Case& c : cases) {
        TestGame t;
        setBoard(t.game, base);
        if (c.added.size() > 0 && c.added.begin()->code == -14) t.game.board(1, 9) = 0;
        for (const Piece& p : c.added) t.game.board(p.x, p.y) = p.code;
        const state::Board board = t.game.board;
        t.game.state.level = 2;
        const double level2 = scoreOf(searchAll(t.game), 5, 5, 5, 6, 14);
        t.game.state.level = 3;
        const auto r = searchAll(t.game);
        EXPECT_EQ(t.game.board, board) << c.what << ": the search restores the board";
        // Nothing of the Nue King's other level-3 terms applies here: no
        // human piece below (5, 6), which the computer does not reach.
        EXPECT_EQ(scoreOf(r, 5, 5, 5, 6, 14), c.secondStep ? 1000 : level2) << c.what;
    }
}

TEST(Evaluation, NueKingJumpCaptureNeverAsksForASecondStep) {
    // From (5, 4) by a jump: approach 5 above the column distance 4 (+1),
    // exchange 1 - 27, safe square 5 x 1; no level-3 term applies.
    const char* const board = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 14 . . . .
        . . . . . . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . -1 -1)";
    EXPECT_EQ(scoreAt(3, board, 5, 4, 5, 6, 14), sum({1, 1 - 27, 5}));
}

// ---- Terms on the reference square nothing ever sets ----

TEST(Evaluation, LevelTwoReferenceTermsActOnTheCornerSquare) {
    // Gold (1, 2) back to (1, 1): -5 for a quiet move to (1, 1); nothing
    // else acts (approach 8 is not above the row distance 8 to (9, 9)).
    const char* const gold = R"(
        . . . . . . . . .
        9 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)";
    EXPECT_EQ(scoreAt(1, gold, 1, 2, 1, 1, 9), 0);
    EXPECT_EQ(scoreAt(2, gold, 1, 2, 1, 1, 9), -5);
    EXPECT_EQ(scoreAt(3, gold, 1, 2, 1, 1, 9), -5);
    // Lance (1, 1) to (1, 2): -1 for a quiet move from (1, 1), +5 more as
    // the human does not reach (1, 2); the lance's escape-square term finds
    // the king's three squares free before and after.
    const char* const lance = R"(
        3 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)";
    EXPECT_EQ(scoreAt(2, lance, 1, 1, 1, 2, 3), sum({-1, 5}));
    EXPECT_EQ(scoreAt(3, lance, 1, 1, 1, 2, 3), sum({-1, 5}));
}

TEST(Evaluation, NueKingReferenceTermAfterItsComputerCountTerm) {
    // The Nue King jumps from (4, 4) to (2, 2), which the pawn (2, 1)
    // reaches: +0.1 for a protected square, then +5 for the reference
    // square's neighbour. Up to level 2 nothing acts.
    const char* const board = R"(
        . 1 . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . 14 . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)";
    EXPECT_EQ(scoreAt(2, board, 4, 4, 2, 2, 14), 0);
    EXPECT_EQ(scoreAt(3, board, 4, 4, 2, 2, 14), sum({0.1, 5}));
}

// ---- Level-three terms that follow the running score ----

TEST(Evaluation, PawnSupportTermsAreSkippedOnTheEdgeColumns) {
    // A pawn push beside the own dragon, which protects it: ahead empty
    // +0.5, the computer outnumbers the human ahead +2, then only away from
    // columns 1 and 9 the dragon as cheapest protector +1.
    const char* const centre = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . 11 . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)";
    const char* const edge = R"(
        . . . . . . . . .
        . . . . . . . . .
        1 . . . . . . . .
        . 11 . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)";
    const double centre2 = scoreAt(2, centre, 5, 3, 5, 4, 1);
    EXPECT_EQ(scoreAt(3, centre, 5, 3, 5, 4, 1), sum({centre2, 0.5, 2, 1}));
    const double edge2 = scoreAt(2, edge, 1, 3, 1, 4, 1);
    EXPECT_EQ(scoreAt(3, edge, 1, 3, 1, 4, 1), sum({edge2, 0.5, 2}));
}

TEST(Evaluation, BishopTermsOnTheSquareAheadApplyOnEveryRow) {
    // The bishop goes to (5, 5); the human pawn (5, 7) reaches (5, 6) right
    // ahead of it: with a human pawn two squares ahead, -1, on row 5 as on
    // row 3. No big piece of its own is next to (5, 5), and it keeps safe
    // squares to go to.
    const char* const board = R"(
        . . . . . . . . .
        . 12 . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15
        . . . . . . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    const double level2 = scoreAt(2, board, 2, 2, 5, 5, 12);
    EXPECT_EQ(scoreAt(3, board, 2, 2, 5, 5, 12), level2 - 1);
}

TEST(Evaluation, AKingMoveGainsTenWhileAComputerPieceIsPinned) {
    // The gold (5, 2) shields the king from the rook (5, 9); a human pawn on
    // (5, 8) blocks the rook and frees the gold. The king's step to (4, 1)
    // reads the same squares on both boards, so its level-three terms differ
    // only by the pin.
    const char* const pinned = R"(
        . . . . 15 . . . .
        . . . . 9 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -14 . . . -10 . . . .)";
    const char* const free = R"(
        . . . . 15 . . . .
        . . . . 9 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -1 . . . .
        -14 . . . -10 . . . .)";
    const double pinnedTerms = scoreAt(3, pinned, 5, 1, 4, 1, 15) - scoreAt(2, pinned, 5, 1, 4, 1, 15);
    const double freeTerms = scoreAt(3, free, 5, 1, 4, 1, 15) - scoreAt(2, free, 5, 1, 4, 1, 15);
    EXPECT_EQ(pinnedTerms - freeTerms, 10);
}

}  // namespace

// The danger scan of a candidate position: holes and human control in the
// computer's camp, attacked computer pieces (codes and values mixed as the
// computer weighs them), newly attacked human pieces and the fork bonus.
#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine_support.h"
#include "positions.h"

namespace {

using engine_support::sum;

using engine_support::searchAll;
using testing_support::setBoard;
using testing_support::TestGame;

// Searches `before` (the search leaves the snapshot, the baselines and the
// pins of that position), then puts `after` on the board and surveys it as
// the search surveys a candidate: the human side first.
void playCandidate(state::Game& g, const char* before, const char* after) {
    setBoard(g, before);
    searchAll(g);
    setBoard(g, after);
    engine::勢力調査_MAN(g);
    engine::勢力調査_COM(g);
}

struct DangerCase {
    const char* what;
    const char* before;
    const char* after;
    int moved, tx, ty;  // the piece now on the to-square
    double expected;
};

void expectDanger(const DangerCase& c) {
    TestGame t;
    playCandidate(t.game, c.before, c.after);
    const state::Board board = t.game.board;
    EXPECT_EQ(engine::盤評価_COM危険座標(t.game, c.moved, c.tx, c.ty), c.expected) << c.what;
    EXPECT_EQ(t.game.board, board) << c.what << ": the board is left as it was";
}

constexpr const char* kEmpty = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

TEST(DangerScan, ALoneComputerPieceOnAnEmptyBoardScoresNothing) {
    const char* const rook = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 10 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger({"a rook", rook, rook, 10, 5, 5, 0});
    expectDanger({"nothing at all", kEmpty, kEmpty, 10, 5, 5, 0});
}

TEST(DangerScan, KingOnTheBackRowWithTheSquareInFrontReached) {
    // King (5, 1) and a human pawn on (5, 3) reaching (5, 2), which only the
    // king itself reaches: -50 and -250 for the king; the square in front is
    // a hole next to the king (-0.5) and the pawn is about to enter (-30).
    const char* const pawn = R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger({"nothing else guards (5, 2)", pawn, pawn, 15, 5, 1, sum({-50, -250, -0.5, -30})});
    // A gold on (4, 1) guards (5, 2) too: the king term keeps only its -50
    // and the pawn no longer outnumbers the guards.
    const char* const guarded = R"(
        . . . 9 15 . . . .
        . . . . . . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger({"a gold guards (5, 2)", guarded, guarded, 15, 5, 1, sum({-50, -0.5})});
}

TEST(DangerScan, AnAttackedUnprotectedGoldAndWhatItHadTaken) {
    // The gold steps from (5, 1) to (5, 2), where the pawn on (5, 3) attacks
    // it and nothing protects it: -9 (its code) and -1 in the camp. The
    // square was empty before, so no cheaper attacker was recorded there.
    expectDanger({"a quiet step into the attack",
                  R"(. . . . 9 . . . .
                     . . . . . . . . .
                     . . . . -1 . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  R"(. . . . . . . . .
                     . . . . 9 . . . .
                     . . . . -1 . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  9, 5, 2, sum({-9, -1})});
    // Had it just taken a human silver there, the silver's 7 comes back.
    expectDanger({"taking a silver into the attack",
                  R"(. . . . 9 . . . .
                     . . . . -7 . . . .
                     . . . . -1 . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  R"(. . . . . . . . .
                     . . . . 9 . . . .
                     . . . . -1 . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  9, 5, 2, sum({-9, -1, 7})});
}

TEST(DangerScan, ForkBonusForASafePieceAttackingTwoUnprotectedPieces) {
    // The knight jumps to (5, 5), which no human piece reaches, and attacks
    // the king (4, 7) and the unprotected rook (6, 7): 0.1 each, then the
    // smaller of the magnitudes 15 and 10. The pawn on (6, 6), protected by
    // the rook, counts for nothing.
    const char* const before = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . 5 . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . -1 . . .
        . . . -15 . -10 . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger({"the knight is safe", before,
                  R"(. . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . 5 . . . .
                     . . . . . -1 . . .
                     . . . -15 . -10 . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  5, 5, 5, sum({0.1, 0.1, 10})});
    // A pawn on (5, 6) attacks the knight: no fork, and the unprotected
    // knight costs its code, 5.
    expectDanger({"the knight is attacked", before,
                  R"(. . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . 5 . . . .
                     . . . . -1 -1 . . .
                     . . . -15 . -10 . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  5, 5, 5, -5});
}

TEST(DangerScan, APieceTheKingAloneProtects) {
    // Silver (5, 2) beside the king, attacked by the pawn (5, 3), protected
    // by the king only. King: -50, -250 (the pawn reaches (5, 2) as much as
    // the king). Silver: -100 (its protector is the king and its code 7
    // exceeds the attacker's value 1), then 1 - 5 twice (the unpinned
    // cheaper attacker, and again as a protected piece).
    const char* const silver = R"(
        . . . . 15 . . . .
        . . . . 7 . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger({"a pawn attacks the silver", silver, silver, 7, 5, 2, sum({-50, -250, -100, -4, -4})});
    // A human lance behind the pawn could take the silver's place once the
    // pawn were gone: as many attackers as protectors, so the silver's code
    // plus the cheapest attacker value on the pawn's square (999: no
    // computer piece stands there) is lost; the lance on the king's file
    // costs 1 more.
    const char* const lance = R"(
        . . . . 15 . . . .
        . . . . 7 . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -3 . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    expectDanger(
        {"a lance behind the pawn", lance, lance, 7, 5, 2, sum({-50, -250, -100, -4, -4, -(7 + 999), -1})});
}

TEST(DangerScan, HumanControlOfTheCampAndPawnsAboutToEnterIt) {
    const DangerCase cases[] = {
        {"an open file into the camp: three squares, each with the rook behind",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -10 . . . . . .
            . . . . . . . . .)",
         nullptr, 1, 9, 9, sum({-0.1, -10, -0.1, -10, -0.1, -10})},
        {"a pawn about to enter, its rook behind it",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -1 . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -10 . . . . . .
            . . . . . . . . .)",
         nullptr, 1, 9, 9, sum({-0.1, -30, -70})},
        {"a pawn about to enter, a lance behind it",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -1 . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -3 . . . . . .
            . . . . . . . . .)",
         nullptr, 1, 9, 9, sum({-0.1, -30, -70})},
        {"a gold between the pawn and the rook",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . -1 . . . . . .
            . . . . . . . . .
            . . -9 . . . . . .
            . . . . . . . . .
            . . -10 . . . . . .
            . . . . . . . . .)",
         nullptr, 1, 9, 9, sum({-0.1, -30})},
    };
    for (DangerCase c : cases) {
        c.after = c.before;
        expectDanger(c);
    }
}

TEST(DangerScan, NewlyAttackedPiecesNearTheComputersKing) {
    // The silver steps from (6, 1) to (5, 2) and attacks the pawn (4, 3),
    // which no computer piece reached before: +15 near the king. The pawn
    // reaches (4, 2), a hole next to the king (-0.5) that it is about to
    // enter (-30), and the safe silver attacks the unprotected pawn (+0.1).
    expectDanger({"with the king",
                  R"(. . . . 15 7 . . .
                     . . . . . . . . .
                     . . . -1 . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  R"(. . . . 15 . . . .
                     . . . . 7 . . . .
                     . . . -1 . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  7, 5, 2, sum({-0.5, -30, 15, 0.1})});
}

TEST(DangerScan, WithoutAKingTheKingSquareTermsAreSkipped) {
    // No computer king: the king square's column is 0 and its row is left
    // from an earlier position. The pawn on (1, 3) is newly attacked and its
    // square (1, 2) would be "next to the king" read that way; neither term
    // applies. What stays: the camp square (1, 2) the computer does not
    // reach (-0.1), the pawn about to enter (-30), the attack (+0.1).
    TestGame t;
    t.game.maps.comKingY = 2;
    playCandidate(t.game,
                  R"(. . 7 . . . . . .
                     . . . . . . . . .
                     -1 . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)",
                  R"(. . . . . . . . .
                     . 7 . . . . . . .
                     -1 . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .
                     . . . . . . . . .)");
    ASSERT_EQ(t.game.maps.comKingX, 0);
    ASSERT_EQ(t.game.maps.comKingY, 2);
    EXPECT_EQ(engine::盤評価_COM危険座標(t.game, 7, 2, 2), sum({-0.1, -30, 0.1}));
}

TEST(DangerScan, StraightPieceBehindLooksDownTheFileOnly) {
    struct Piece {
        int y, code;  // on column 5
    };
    struct Case {
        const char* what;
        std::initializer_list<Piece> pieces;
        int result;
    } const cases[] = {
        {"a rook further down", {{5, -10}}, 1},
        {"a dragon further down", {{8, -11}}, 1},
        {"a lance with a human pawn between: looked past, but it blocks", {{5, -1}, {7, -3}}, 0},
        {"a computer piece ends the look", {{5, 1}, {7, -3}}, 0},
        {"a gold is no straight piece", {{5, -9}}, 0},
        {"a rook above does not count", {{1, -10}}, 0},
    };
    for (const Case& c : cases) {
        TestGame t;
        for (const Piece& p : c.pieces) t.game.board(5, p.y) = p.code;
        t.game.board(5, 3) = 7;  // the piece lifted from (5, 3) for the question
        const state::Board before = t.game.board;
        EXPECT_EQ(engine::調査_自守駒MAN_直進駒(t.game, 5, 3), c.result) << c.what;
        EXPECT_EQ(t.game.board, before) << c.what;
    }
}

}  // namespace

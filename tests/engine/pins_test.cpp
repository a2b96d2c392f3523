// The pin investigation: each piece lifted in turn, pinned when an opposing
// lance, bishop, horse, rook or dragon then reaches its own king's square.
#include <gtest/gtest.h>

#include "engine/pins.h"
#include "engine_support.h"
#include "positions.h"

namespace {

using engine_support::grid;
using engine_support::surveyAsGameControl;
using testing_support::mapText;
using testing_support::setBoard;
using testing_support::TestGame;

constexpr const char* kNoPins = R"(
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0
    0 0 0 0 0 0 0 0 0)";

struct PinCase {
    const char* what;
    const char* board;
    const char* pinned;  // the human pinned marks
    int flag;            // the computer-has-pinned-piece flag
};

void expectPins(const PinCase& c) {
    TestGame t;
    setBoard(t.game, c.board);
    surveyAsGameControl(t.game);
    const state::Board before = t.game.board;
    engine::調査_移動不可駒(t.game);
    EXPECT_EQ(mapText(t.game.pins.manPinned), grid(c.pinned)) << c.what;
    EXPECT_EQ(t.game.pins.comHasPinned, c.flag) << c.what;
    EXPECT_EQ(t.game.board, before) << c.what << ": the board is restored";
}

TEST(Pins, OnePieceBetweenIsPinnedAndTwoAreNot) {
    const PinCase cases[] = {
        {"a silver alone between king and rook",
         R"(. . . . . . . . .
            . . . . 10 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . -7 . . . .
            . . . . -15 . . . .)",
         R"(0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 1 0 0 0 0
            0 0 0 0 0 0 0 0 0)",
         0},
        {"a second piece on the file: neither is pinned",
         R"(. . . . . . . . .
            . . . . 10 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . -1 . . . .
            . . . . . . . . .
            . . . . -7 . . . .
            . . . . -15 . . . .)",
         kNoPins, 0},
        {"a horse pins along its diagonal",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            13 . . . . . . . .
            . . . . . . . . .
            . . -9 . . . . . .
            . . . -15 . . . . .
            . . . . . . . . .)",
         R"(0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 1 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0)",
         0},
        {"a gold and a knight next to the king's file pin nothing",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . 5 9 . . . .
            . . . . -7 . . . .
            . . . . -15 . . . .)",
         kNoPins, 0},
    };
    for (const PinCase& c : cases) expectPins(c);
}

TEST(Pins, ALancePinsOnlyTowardsRowNine) {
    const PinCase cases[] = {
        {"lance above the king",
         R"(. . . . . . . . .
            . . . . 3 . . . .
            . . . . . . . . .
            . . . . -7 . . . .
            . . . . . . . . .
            . . . . -15 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         R"(0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 1 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0
            0 0 0 0 0 0 0 0 0)",
         0},
        {"lance below the king",
         R"(. . . . . . . . .
            . . . . -15 . . . .
            . . . . . . . . .
            . . . . -7 . . . .
            . . . . . . . . .
            . . . . 3 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         kNoPins, 0},
    };
    for (const PinCase& c : cases) expectPins(c);
}

TEST(Pins, AKingInCheckFromABishopMarksEveryPiece) {
    // Lifting any piece leaves the bishop reaching the king; lifting the king
    // leaves its square reached as well.
    expectPins({"bishop check",
                R"(. . . . . . . . .
                   . 12 . . . . . . .
                   . . . . . . . . .
                   . . . . . . . . .
                   . . . . -15 . . . .
                   . . . . . . . . .
                   . . . . . . . . -1
                   . . . -9 . . . . .
                   -3 . . . . . . . .)",
                R"(0 0 0 0 0 0 0 0 0
                   0 0 0 0 0 0 0 0 0
                   0 0 0 0 0 0 0 0 0
                   0 0 0 0 0 0 0 0 0
                   0 0 0 0 1 0 0 0 0
                   0 0 0 0 0 0 0 0 0
                   0 0 0 0 0 0 0 0 1
                   0 0 0 1 0 0 0 0 0
                   1 0 0 0 0 0 0 0 0)",
                0});
}

TEST(Pins, TheComputerGetsOneFlagAndNeedsItsKing) {
    const PinCase cases[] = {
        {"a computer silver between its king and a human rook",
         R"(. . . . 15 . . . .
            . . . . . . . . .
            . . . . 7 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . -10 . . . .)",
         kNoPins, 1},
        {"the same with the Nue King: no king square, no pin",
         R"(. . . . 14 . . . .
            . . . . . . . . .
            . . . . 7 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . -10 . . . .)",
         kNoPins, 0},
        {"a human lance pins towards row 1...",
         R"(. . . . 15 . . . .
            . . . . 7 . . . .
            . . . . -3 . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .)",
         kNoPins, 1},
        {"...and never towards row 9",
         R"(. . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . -3 . . . .
            . . . . 7 . . . .
            . . . . 15 . . . .)",
         kNoPins, 0},
    };
    for (const PinCase& c : cases) expectPins(c);
}

TEST(Pins, TheMarksOfAnEarlierRunAreCleared) {
    TestGame t;
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . 10 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -7 . . . .
        . . . . -15 . . . .)");
    surveyAsGameControl(t.game);
    engine::調査_移動不可駒(t.game);
    ASSERT_EQ(t.game.pins.manPinned(5, 8), 1);
    t.game.board(5, 2) = 0;  // the rook leaves
    t.game.board(9, 1) = 15;
    t.game.board(9, 5) = 7;
    t.game.board(9, 9) = -10;
    surveyAsGameControl(t.game);
    engine::調査_移動不可駒(t.game);
    EXPECT_EQ(t.game.pins.manPinned(5, 8), 0);
    EXPECT_EQ(t.game.pins.comHasPinned, 1);
}

}  // namespace

#include <gtest/gtest.h>

#include "positions.h"
#include "record/board_reversal.h"
#include "rules/initial_position.h"

using testing_support::TestGame;

TEST(HalfTurn, SquaresMoveToTheOppositeSideAndChangeOwner) {
    TestGame t;
    state::Board& b = t.game.board;
    b(7, 7) = -1;
    b(5, 1) = 15;
    b(5, 5) = -13;
    b(1, 9) = 4;
    record::盤面半回転(b);
    EXPECT_EQ(b(3, 3), 1);
    EXPECT_EQ(b(7, 7), 0);
    EXPECT_EQ(b(5, 9), -15);
    EXPECT_EQ(b(5, 1), 0);
    EXPECT_EQ(b(5, 5), 13);
    EXPECT_EQ(b(9, 1), -4);
    EXPECT_EQ(b(1, 9), 0);
}

TEST(HalfTurn, TurnsOneInitialPositionIntoTheOtherAndTwiceIntoItself) {
    TestGame human, computer;
    rules::初期設定_先手自(human.game);
    rules::初期設定_先手敵(computer.game);
    state::Board b = human.game.board;
    record::盤面半回転(b);
    // The army changes owner and side, the Nue King goes to the top.
    EXPECT_EQ(b(5, 1), 14);
    EXPECT_EQ(b(5, 9), -15);
    EXPECT_EQ(b(2, 8), -12);
    EXPECT_EQ(b, computer.game.board);
    record::盤面半回転(b);
    EXPECT_EQ(b, human.game.board);
    EXPECT_EQ(b(0, 0), 0);
}

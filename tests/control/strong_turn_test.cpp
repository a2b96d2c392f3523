// The computer's turn at level 8: its own search chooses, and the turn
// plays the move, the second Nue King step and the end of the game through
// the same procedures as at the other levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control/computer_turn.h"
#include "engine/influence.h"
#include "positions.h"

namespace {

using testing_support::setBoard;
using testing_support::TestGame;

void prepare(TestGame& t, const char* board) {
    setBoard(t.game, board);
    t.game.state.level = 8;
    t.game.state.sounds.piece = 3;
    t.game.state.humanToken = -1;
    t.game.state.comToken = 1;
    t.game.state.sideToMove = 1;
    t.game.state.stepState = 1;
}

TEST(StrongTurn, TakesTheKingAndEndsTheGame) {
    // The rook takes the king down the file: the end of the game.
    TestGame t;
    prepare(t, R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        10 . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        -15 . . . . . . . .
        . . . . . . . . -9)");
    t.port.answers = {state::Answer::Ok, state::Answer::No};
    control::コンピュータの手番(t.game);
    const std::vector<std::string> messages = t.port.messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), "ｺﾝﾋﾟｭｰﾀの勝ちです|終了");
    EXPECT_EQ(std::count(t.port.log.begin(), t.port.log.end(), "wait 0.5"), 2);
}

TEST(StrongTurn, TakesAndStepsBackInTwoSteps) {
    // The gold on (5, 2) is free but the bishop's diagonal runs through its
    // square: the Nue King takes it on its first step and leaves on its second.
    TestGame t;
    prepare(t, R"(
        . . . . 14 . . . .
        . . . . -9 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . -12 .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . -15)");
    control::コンピュータの手番(t.game);
    const auto& r = t.game.record;
    ASSERT_EQ(r.counter, 2);
    EXPECT_EQ((std::vector{r.fromX[1], r.fromY[1], r.toX[1], r.toY[1], r.captured[1]}),
              (std::vector{5, 1, 5, 2, -9}));
    EXPECT_EQ((std::vector{r.fromX[2], r.fromY[2], r.moved[2], r.placed[2]}), (std::vector{5, 2, 14, 14}));
    EXPECT_EQ(t.game.board(r.toX[2], r.toY[2]), 14);
    EXPECT_EQ(t.game.board(5, 2), 0);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"二手目、移動します|二手移動"}));
    EXPECT_EQ(t.game.state.moveNumber, 1);
    EXPECT_EQ(t.game.state.sideToMove, -1);
}

}  // namespace

// The hint as game control gives it: refused with the refusal sound before
// the message, and for the upper player of a two-player game found on the
// board as it stands.
#include <gtest/gtest.h>

#include "control/commands.h"
#include "control/hint.h"
#include "play.h"
#include "rules/move_check.h"

using testing_support::TestGame;

TEST(HintControl, ARefusalSoundsBeforeItsMessage) {
    TestGame t;
    control::Form_Load(t.game);
    t.game.state.sounds.forbidden = 7;
    t.port.clear();
    EXPECT_FALSE(control::ヒント_Click(t.game).has_value());
    std::vector<std::string> order;
    for (const std::string& line : t.port.log)
        if (line.rfind("play", 0) == 0 || line.rfind("msg", 0) == 0) order.push_back(line);
    EXPECT_EQ(order, (std::vector<std::string>{"play 7", "msg 「対局」で始めて下さい|開始"}));
}

TEST(HintControl, TheUpperPlayerOfATwoPlayerGameGetsAMoveOfHisOwn) {
    TestGame t;
    testing_support::twoPlayerGame(t, R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -14 . . . .)");
    t.game.state.sideToMove = t.game.state.comToken;  // the upper side to move
    const state::Board before = t.game.board;
    const std::optional<state::Move> h = control::ヒント_Click(t.game, search::Limits{2000, 1.0, 60});
    ASSERT_TRUE(h.has_value());
    EXPECT_GE(t.game.board(h->fromX, h->fromY), 1);
    EXPECT_EQ(testing_support::移動チェック(t.game, h->fromX, h->fromY, h->toX, h->toY,
                                            t.game.board(h->fromX, h->fromY)),
              state::有);
    EXPECT_EQ(t.game.board, before);
    EXPECT_TRUE(t.port.messages().empty());
}

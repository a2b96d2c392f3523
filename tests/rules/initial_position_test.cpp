#include <gtest/gtest.h>

#include "positions.h"
#include "rules/initial_position.h"

using namespace rules;
using testing_support::boardText;
using testing_support::setBoard;
using testing_support::TestGame;

TEST(InitialPosition, HumanFirstPutsTheNueKingBelowAndTheArmyAbove) {
    TestGame t;
    t.game.board.fillSquares(-9);  // whatever stood there before
    初期設定_先手自(t.game);
    EXPECT_EQ(boardText(t.game.board),
              "   3   5   7   9  15   9   7   5   3\n"
              "   .  10   .   .   .   .   .  12   .\n"
              "   1   1   1   1   1   1   1   1   1\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   . -14   .   .   .   .\n");
}

TEST(InitialPosition, ComputerFirstIsThePointSymmetricArmyBelow) {
    TestGame t;
    t.game.board.fillSquares(4);
    初期設定_先手敵(t.game);
    EXPECT_EQ(boardText(t.game.board),
              "   .   .   .   .  14   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "   .   .   .   .   .   .   .   .   .\n"
              "  -1  -1  -1  -1  -1  -1  -1  -1  -1\n"
              "   . -12   .   .   .   .   . -10   .\n"
              "  -3  -5  -7  -9 -15  -9  -7  -5  -3\n");
}

TEST(InitialPosition, ResetClearsTheProgressAndRedrawsTheWindow) {
    TestGame t;
    control::Game& g = t.game;
    g.state.sideToMove = -1;
    g.state.moveNumber = 12;
    g.state.reversed = 1;
    g.state.selection = 1;
    g.state.kifuMode = 1;
    g.record.counter = 5;
    g.record.last = 9;
    g.record.placed[0] = 0;
    初期設定_先手自(g);
    t.port.clear();
    初期設定(g);
    EXPECT_EQ(g.state.sideToMove, 0);
    EXPECT_EQ(g.state.moveNumber, 0);
    EXPECT_EQ(g.state.reversed, 0);
    EXPECT_EQ(g.state.selection, 0);
    EXPECT_EQ(g.state.kifuMode, 0);
    EXPECT_EQ(g.record.counter, 0);
    EXPECT_EQ(g.record.last, 0);
    EXPECT_EQ(g.record.placed[0], 歩);
    EXPECT_EQ(t.port.log.front(), "rect 11 2 3000 4000 2");
    EXPECT_EQ(t.port.log.back(), "refresh");
    // 81 squares, 21 pieces.
    EXPECT_EQ(t.port.linesStartingWith("image 0.0 piece 0 at").size(), 81u);
    EXPECT_EQ(t.port.linesStartingWith("image").size(), 81u + 21u + 1u);  // and the title
}

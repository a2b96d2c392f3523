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

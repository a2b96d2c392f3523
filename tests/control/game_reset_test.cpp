#include <gtest/gtest.h>

#include "control/game_reset.h"
#include "positions.h"
#include "rules/initial_position.h"

using namespace rules;
using namespace state;
using testing_support::TestGame;

TEST(InitialPosition, ResetClearsTheProgressAndRedrawsTheWindow) {
    TestGame t;
    state::Game& g = t.game;
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
    control::初期設定(g);
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
    EXPECT_EQ(t.port.linesStartingWith("image KARA_MASU.0 piece 0 at").size(), 81u);
    EXPECT_EQ(t.port.linesStartingWith("image").size(), 81u + 21u + 1u);  // and the title
}

#include <gtest/gtest.h>

#include "control/nue_king_step.h"
#include "positions.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"

using namespace rules;
using namespace state;
using control::移動処理_鵺;
using testing_support::TestGame;
using testing_support::移動チェック;

TEST(NueKingFirstStep, MovesTheNueKingWaitsAndHandsBackTheIntermediateSquare) {
    TestGame t;
    state::Game& g = t.game;
    g.state.sounds.piece = 3;
    g.state.movableColour = state::kWhite;
    g.state.stepState = 1;
    g.board(5, 9) = -鵺王;
    g.board(5, 8) = 歩;
    int x = 5, y = 9;
    手順保存(g, x, y, 5, 8, -鵺王, -鵺王);
    t.port.clear();
    EXPECT_EQ(移動処理_鵺(g, x, y, 5, 8, -王), 0);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(g.state.stepState, 2);
    EXPECT_EQ(g.board(5, 8), -鵺王);  // the Nue King, never the step piece
    EXPECT_EQ(g.board(5, 9), 空);
    EXPECT_EQ(g.record.captured[1], 歩);
    EXPECT_EQ(t.port.log.front(), "play 3");
    // The second step's squares outlined in the movable colour (white), the
    // intermediate square last in light red.
    EXPECT_EQ(t.port.log.back(), "outline 12 5 8");
    const auto outlines = t.port.linesStartingWith("outline 15 ");
    EXPECT_EQ(outlines.size(), 8u);  // (4..6, 7..9) minus (5, 8); (5, 9) is free again
}

TEST(NueKingSecondStep, AKingStepFromTheIntermediateSquareIncludingBack) {
    TestGame t;
    state::Game& g = t.game;
    g.state.stepState = 2;
    g.board(5, 8) = -鵺王;
    EXPECT_EQ(移動チェック(g, 5, 8, 5, 9, -王), 有);  // back to where it started
    EXPECT_EQ(移動チェック(g, 5, 8, 5, 8, -王), 無);  // stay: refused
    EXPECT_EQ(移動チェック(g, 5, 8, 5, 6, -王), 無);  // two squares: refused
}

TEST(NueKingSecondStep, TakesAGuardedNueKingOnlyOnTheSecondStep) {
    TestGame t;
    state::Game& g = t.game;
    g.board(5, 4) = -鵺王;
    g.board(5, 3) = 鵺王;
    g.board(6, 2) = 金;  // guards (5, 3)
    g.state.stepState = 1;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -鵺王), 無);
    g.state.stepState = 2;
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -王), 有);
    EXPECT_EQ(移動チェック(g, 5, 4, 5, 3, -鵺王), 有);
}

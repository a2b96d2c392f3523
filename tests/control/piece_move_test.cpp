// A move on the screen: the source's outlines and square cleared, the piece
// drawn on its destination.
#include <gtest/gtest.h>

#include "control/piece_move.h"
#include "positions.h"

using namespace rules;
using namespace state;
using testing_support::TestGame;

TEST(MovePieces, DrawsTheMoveAsRemoveOutlinesEmptySourcePieceAndOutline) {
    TestGame t;
    state::Game& g = t.game;
    g.board(3, 3) = -歩;
    t.port.clear();
    control::駒移動(g, 3, 3, 3, 2, -歩);
    const auto& log = t.port.log;
    ASSERT_GE(log.size(), 81u + 4u);
    // 81 outlines removed, then the pawn's one reachable square in colour 2.
    EXPECT_EQ(log[0], "outline 2 1 1");
    EXPECT_EQ(log[81], "outline 2 3 2");
    EXPECT_EQ(log[82], "image KARA_MASU.0 piece 0 at 3 3");
    EXPECT_EQ(log[83], "outline 2 3 3");
    EXPECT_EQ(log[84].rfind("image", 0), 0u);
    EXPECT_NE(log[84].find("piece -1 at 3 2"), std::string::npos);
    EXPECT_EQ(log.back(), "outline 2 3 2");
}

#include <gtest/gtest.h>

#include "display/board_drawing.h"
#include "positions.h"

using namespace display;
using namespace state;
using state::Image;
using testing_support::TestGame;

TEST(PieceImages, PromotedLanceKnightSilverUseTheSecondElement) {
    struct Case {
        int code;
        Image name;
        int element;
    };
    const Case cases[] = {
        {3, Image::UE_KYOU, 0},     {4, Image::UE_KYOU, 1}, {-5, Image::SITA_KEI, 0},
        {-6, Image::SITA_KEI, 1},   {8, Image::UE_GIN, 1},  {-8, Image::SITA_GIN, 1},
        {14, Image::UE_OU, 0},      {15, Image::UE_OU, 0},  {-14, Image::SITA_OU, 0},
        {-11, Image::SITA_RYUU, 0}, {2, Image::UE_TO, 0},
    };
    for (const Case& c : cases) {
        state::ImageRef image;
        ASSERT_TRUE(駒画像(c.code, image));
        EXPECT_EQ(image.name, c.name) << c.code;
        EXPECT_EQ(image.element, c.element) << c.code;
        EXPECT_EQ(image.piece, c.code);  // the face tells the king from the Nue King
    }
    state::ImageRef none;
    EXPECT_FALSE(駒画像(0, none));
    EXPECT_FALSE(駒画像(16, none));
}

TEST(BoardDrawing, EachSquareIsEmptySquareThenPieceThenItsGridLine) {
    TestGame t;
    t.game.board(1, 1) = 3;
    描画_盤(t.game);
    const auto& log = t.port.log;
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[0], "image KARA_MASU.0 piece 0 at 1 1");
    EXPECT_EQ(log[1], "outline 2 1 1");
    EXPECT_EQ(log[2], "image UE_KYOU.0 piece 3 at 1 1");
    EXPECT_EQ(log[3], "outline 2 1 1");
    EXPECT_EQ(log[4], "outline 2 1 1");
    EXPECT_EQ(log[5], "image KARA_MASU.0 piece 0 at 1 2");
    // An empty square: image and two outlines.
    EXPECT_EQ(log[6], "outline 2 1 2");
    EXPECT_EQ(log[7], "outline 2 1 2");
    EXPECT_EQ(log.size(), 81u * 3u + 2u);
}

TEST(ReachableSquares, TeachingModeShowsNueKingStepSquaresInLightRed) {
    TestGame t;
    t.game.board(5, 5) = -14;
    t.game.board(5, 4) = -1;
    描画_移動可能桝色(t.game, 5, 5, state::kWhite, -14);
    const auto white = t.port.linesStartingWith("outline 15 ");
    const auto red = t.port.linesStartingWith("outline 12 ");
    EXPECT_EQ(white.size(), 23u);  // 24 squares minus the own pawn
    EXPECT_EQ(red.size(), 7u);     // the adjacent ones
    EXPECT_EQ(red.front(), "outline 12 4 4");
    EXPECT_EQ(red.back(), "outline 12 6 6");
    // With the colour of the board nothing shows and nothing is outlined red.
    t.port.clear();
    描画_移動可能桝色(t.game, 5, 5, state::kGreen, -14);
    EXPECT_TRUE(t.port.linesStartingWith("outline 12 ").empty());
    EXPECT_EQ(t.port.linesStartingWith("outline 2 ").size(), 81u + 23u);
}

TEST(ReachableSquares, SquareZeroZeroOnlyRemovesTheOutlines) {
    TestGame t;
    t.game.board(5, 5) = -10;
    描画_移動可能桝色(t.game, 0, 0, state::kGreen, 0);
    EXPECT_EQ(t.port.log.size(), 81u);
    EXPECT_EQ(t.port.linesStartingWith("outline 2 ").size(), 81u);
}

TEST(WholeWindow, RedrawEndsWithTheTitlePicture) {
    TestGame t;
    画面_再描画(t.game);
    EXPECT_EQ(t.port.log.front(), "rect 11 2 3000 4000 2");
    EXPECT_EQ(t.port.log.back(), "image TITLE.0 piece 0 at 11.2 1");
    // No visible outline after a full redraw.
    for (const auto& line : t.port.linesStartingWith("outline "))
        EXPECT_EQ(line.rfind("outline 2 ", 0), 0u) << line;
    // Coordinates are drawn bold from then on.
    EXPECT_TRUE(t.game.text.bold);
}

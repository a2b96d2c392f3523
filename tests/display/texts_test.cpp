#include <gtest/gtest.h>

#include "display/texts.h"
#include "positions.h"
#include "record/notation.h"

using namespace display;
using testing_support::TestGame;

namespace {

// A move that ends on (tx, ty) placing `piece`, as the move texts show it.
state::Move endingOn(int tx, int ty, int piece) {
    return state::Move{tx, ty, tx, ty, false, 0, 0, piece, piece, 0, 0};
}

}  // namespace

TEST(MoveNotation, PawnToColumnThreeRowSixReadsSevenSixPawn) {
    TestGame t;
    描画_移動結果(t.game, 12.6, 6, endingOn(3, 6, -1), 15);
    const auto texts = t.port.linesStartingWith("text ");
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(t.port.log.front(), "rect 12.3 6 1250 400 2");
    EXPECT_EQ(texts[0], "text 12.7 6.1 size 12 colour 0 ７");
    EXPECT_EQ(texts[1], "text 12.6 6 size 12 colour 15 ７");
    EXPECT_EQ(texts[2], "text 13.1 6.1 size 12 colour 0 六");
    EXPECT_EQ(texts[3], "text 13 6 size 12 colour 15 六");
    EXPECT_EQ(texts[4], "text 13.7 6.1 size 12 colour 0 歩");
    EXPECT_EQ(texts[5], "text 13.6 6 size 12 colour 15 歩");
}

TEST(MoveNotation, PromotedLanceKnightSilverShowNoKind) {
    for (int code : {4, -6, 8}) {
        TestGame t;
        描画_移動結果(t.game, 12.6, 5, endingOn(3, 6, code), 15);
        EXPECT_EQ(t.port.linesStartingWith("text ").size(), 4u) << code;
    }
    EXPECT_EQ(record::駒名(-14), "鵺王");
    EXPECT_EQ(record::駒名(11), "龍");
}

TEST(MoveNumber, ShiftsLeftAtEachExtraDigit) {
    struct Case {
        int n;
        const char* white;
    };
    const Case cases[] = {
        {9, "text 11.9 3.3"}, {10, "text 11.8 3.3"}, {99, "text 11.8 3.3"}, {100, "text 11.7 3.3"}};
    for (const Case& c : cases) {
        TestGame t;
        描画_手数(t.game, c.n, 0);
        const auto texts = t.port.linesStartingWith("text ");
        ASSERT_EQ(texts.size(), 4u);
        EXPECT_EQ(texts[1].substr(0, std::string(c.white).size()), c.white) << c.n;
        EXPECT_NE(texts[1].find("colour 15 " + std::to_string(c.n)), std::string::npos);
        EXPECT_NE(texts[3].find("手目"), std::string::npos);
    }
    // The place of 手目 is cleared as wide as the text.
    TestGame t;
    描画_手数(t.game, 1, 0);
    EXPECT_EQ(t.port.linesStartingWith("rect 12.8 3.1"),
              std::vector<std::string>{"rect 12.8 3.1 2200 560 2"});
}

TEST(Numbers, ModeOnePrintsKanjiOnlyForOneToNine) {
    TestGame t;
    描画_数値(t.game, 1, 1, 10, 15, 1, 10);
    描画_数値(t.game, 1, 1, 0, 15, 1, 10);
    EXPECT_TRUE(t.port.log.empty());
    描画_数値(t.game, 1, 1, 9, 15, 1, 10);
    EXPECT_EQ(t.port.log.back(), "text 1 1 size 10 colour 15 九");
    描画_数値(t.game, 1, 1, -3, 15, 0, 10);
    EXPECT_EQ(t.port.log.back(), "text 1 1 size 10 colour 15 -3");  // no leading blank
}

TEST(Numbers, UnknownTextCodePrintsNothingButKeepsTheFont) {
    TestGame t;
    描画_文字列(t.game, 1, 1, 98, 0, 7, 0);
    EXPECT_TRUE(t.port.log.empty());
    EXPECT_EQ(t.game.text.size, 7);
    EXPECT_EQ(t.game.text.colour, 0);
}

TEST(Coordinates, ColumnsAboveInDigitsFromTheRightRowsRightInKanji) {
    TestGame t;
    描画_桝_数値(t.game);
    const auto texts = t.port.linesStartingWith("text ");
    ASSERT_EQ(texts.size(), 36u);
    EXPECT_EQ(texts[1], "text 1.1 0.6 size 10 colour 15 bold 9");
    EXPECT_EQ(texts[3], "text 10.1 1.3 size 10 colour 15 bold 一");
    EXPECT_EQ(texts[33], "text 9.1 0.6 size 10 colour 15 bold 1");
    EXPECT_EQ(texts[35], "text 10.1 9.3 size 10 colour 15 bold 九");
    // The column numbers' erased band ends at the board's top edge (twip 300),
    // so the pieces of the first row keep their tops.
    const auto rects = t.port.linesStartingWith("rect ");
    ASSERT_EQ(rects.size(), 18u);
    EXPECT_EQ(rects[0], "rect 1.1 0.6 210 240 2");
    EXPECT_EQ(-300 + 600 * 0.6 + 240, 300);
}

TEST(Level, LabelAndNumberWithShadows) {
    TestGame t;
    描画_レベル(t.game, 2);
    const auto texts = t.port.linesStartingWith("text ");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "text -1.5 0.1 size 10 colour 15 LEVEL");
    EXPECT_EQ(texts[3], "text 0 0 size 12 colour 15 2");
    // Only the number's place is cleared, so a new level never stands on the old.
    EXPECT_EQ(t.port.linesStartingWith("rect"), (std::vector<std::string>{"rect 0 0 300 360 2"}));
}

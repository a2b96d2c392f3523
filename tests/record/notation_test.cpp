#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/kifu_format.h"
#include "record/notation.h"
#include "record/record_moves.h"

namespace {

// Appends an entry as the game records a move, a Nue King's second step
// marked as such.
void add(state::MoveRecord& r, int fx, int fy, int tx, int ty, int moved, int placed, int captured = 0) {
    const int k = ++r.counter;
    r.fromX[k] = fx, r.fromY[k] = fy, r.toX[k] = tx, r.toY[k] = ty;
    r.moved[k] = moved, r.placed[k] = placed, r.captured[k] = captured;
    r.last = k;
    record::二手目を読む(r);
}

std::vector<std::string> texts(const state::MoveRecord& r, int firstMover) {
    std::vector<std::string> out;
    for (const record::NotationLine& line : record::棋譜表記(r, firstMover)) out.push_back(line.text);
    return out;
}

// The lower Nue King against the upper army, the lower side first.
state::MoveRecord lowerFirstGame() {
    state::MoveRecord r;
    add(r, 5, 9, 5, 8, -14, -14);     // two steps: forward,
    add(r, 5, 8, 4, 7, -14, -14);     // then diagonally
    add(r, 3, 3, 3, 4, 1, 1);         // a pawn, far from its zone
    add(r, 4, 7, 3, 5, -14, -14);     // a jump
    add(r, 5, 3, 3, 5, 12, 12, -14);  // a bishop takes it where it landed
    return r;
}

}  // namespace

TEST(Notation, MarksSquaresNamesAndTwoStepMoves) {
    state::MoveRecord r = lowerFirstGame();
    EXPECT_EQ(texts(r, -1), (std::vector<std::string>{"▲５八・６七鵺王", "△７四歩", "▲７五鵺王", "△同角"}));
    // The same moves when the upper side is the one that moved first.
    EXPECT_EQ(texts(r, 1), (std::vector<std::string>{"△５八・６七鵺王", "▲７四歩", "△７五鵺王", "▲同角"}));
    const auto lines = record::棋譜表記(r, -1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].first, 1);
    EXPECT_EQ(lines[0].last, 2);
    EXPECT_EQ(lines[3].first, 5);
    EXPECT_EQ(lines[3].last, 5);
}

TEST(Notation, PromotionDeclinedPromotionAndWhereNoneWasPossible) {
    struct Case {
        int fx, fy, tx, ty, moved, placed;
        const char* text;
    };
    const Case cases[] = {
        {3, 7, 3, 8, 1, 2, "▲７八歩成"},        // upper pawn arrives in its zone
        {3, 6, 3, 7, 7, 7, "▲７七銀不成"},      // upper silver arrives and stays
        {3, 5, 3, 6, 7, 7, "▲７六銀"},          // outside the zone: nothing to decline
        {3, 6, 3, 7, 9, 9, "▲７七金"},          // gold never promotes
        {4, 2, 4, 3, -1, -2, "▲６三歩成"},      // lower pawn, rows 1..3
        {5, 2, 5, 5, -12, -12, "▲５五角不成"},  // leaves the zone
        {5, 5, 5, 4, -8, -8, "▲５四"},          // a promoted silver has no name
    };
    for (const Case& c : cases) {
        state::MoveRecord r;
        add(r, c.fx, c.fy, c.tx, c.ty, c.moved, c.placed);
        EXPECT_EQ(texts(r, c.moved >= 1 ? 1 : -1), std::vector<std::string>{c.text}) << c.text;
    }
}

TEST(Notation, SameSquareOnEitherStepOfTheNueKing) {
    state::MoveRecord r;
    add(r, 5, 9, 5, 8, -14, -14);
    add(r, 5, 6, 5, 7, 9, 9);         // a gold to (5, 7)
    add(r, 5, 8, 4, 8, -14, -14);     // the Nue King steps beside it,
    add(r, 4, 8, 5, 7, -14, -14, 9);  // then takes it
    add(r, 6, 6, 5, 7, 9, 9, -14);    // and is taken back
    EXPECT_EQ(texts(r, -1), (std::vector<std::string>{"▲５八鵺王", "△５七金", "▲６八・同鵺王", "△同金"}));
}

TEST(Notation, ReadsALoadedRecordWholeFromItsStart) {
    const auto read = record::parseKifu(
        "2024/05/01 09:05:03\r\n先手：MAN\r\n後手：COM LEVEL3\r\n"
        "5 9 5 8 -14-14 0 \r\n5 8 5 7 -14-14 0 \r\n5 3 5 4 1  1  0  \r\n5 7 5 5 -14-14 0 \r\n");
    ASSERT_TRUE(std::holds_alternative<record::Kifu>(read));
    const state::MoveRecord r = record::recordFromKifu(std::get<record::Kifu>(read));
    ASSERT_EQ(r.counter, 0);
    EXPECT_EQ(texts(r, record::初手の側(r)),
              (std::vector<std::string>{"▲５八・５七鵺王", "△５四歩", "▲５五鵺王"}));
    EXPECT_EQ(record::表記行(record::棋譜表記(r, -1), r.counter), 0);
}

TEST(Notation, TheLineOfAReplayPosition) {
    const state::MoveRecord r = lowerFirstGame();
    const auto lines = record::棋譜表記(r, -1);
    // Entry 1 is half of the first move: the position belongs to no line yet.
    const int expected[] = {0, 0, 1, 2, 3, 4};
    for (int counter = 0; counter <= 5; ++counter)
        EXPECT_EQ(record::表記行(lines, counter), expected[counter]) << counter;
    EXPECT_TRUE(record::棋譜表記(state::MoveRecord{}, -1).empty());
}

TEST(Notation, AfterTheBoardIsTurnedTheFirstMoverKeepsItsMark) {
    state::GameState s;  // the lower side's Nue King moved first
    EXPECT_EQ(record::先手の側(s), -1);
    s.humanToken = -1;  // turned about: the first mover's pieces are the upper side's now
    s.comToken = 1;
    state::MoveRecord r;  // a fresh record, whose first entry need not be the first mover's
    add(r, 3, 7, 3, 6, -1, -1);
    add(r, 5, 1, 5, 2, 14, 14);
    EXPECT_EQ(texts(r, record::先手の側(s)), (std::vector<std::string>{"△７六歩", "▲５二鵺王"}));
}

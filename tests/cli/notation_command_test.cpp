// nuedori-cli's notation: the record's moves as the window's move list shows them.
#include <gtest/gtest.h>

#include <string>

#include "cli/session.h"
#include "record/kifu_format.h"

namespace {

// The upper Nue King in the corner takes a silver and steps on: a two-step move.
constexpr const char* kTwoStepBoard =
    "board 0 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 0 0 0 0 0 -12 0 -15 0 0 0 0 0 "
    "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 14 -7 0 0 0 0 0 0 0";

}  // namespace

TEST(NotationCommand, OneLinePerMoveWithBothStepsOfTheNueKing) {
    cli::Session s;
    EXPECT_EQ(s.handle("notation"), "notation 0\n");
    ASSERT_EQ(s.handle(kTwoStepBoard), "ok\n");
    ASSERT_EQ(s.handle("go"), "bestmove 1 9 2 9 14 14 1000.0000 second 1 8\n");
    EXPECT_EQ(s.game().record.last, 2);
    EXPECT_EQ(s.handle("notation"), "notation 1\n▲８九・９八鵺王\n");
    // The answer describes the record and leaves it alone.
    EXPECT_EQ(s.game().record.last, 2);
    EXPECT_EQ(s.handle("reverse"), "ok\n");
    EXPECT_EQ(s.handle("notation"), "notation 0\n");
}

TEST(NotationCommand, TakesNoArguments) {
    cli::Session s;
    EXPECT_EQ(s.handle("notation 1"), "error notation: wrong number of words\n");
    EXPECT_EQ(s.handle("  notation\t"), "notation 0\n");
}

TEST(NotationCommand, InEnglishEveryKindOfMoveInWesternNotation) {
    const struct {
        state::Move entry;
        bool secondStep;
        const char* line;
    } rows[] = {
        {record::記録行(7, 7, 7, 6, -1, -1, 0), false, "▲P-3f"},      // a step
        {record::記録行(8, 2, 6, 4, 12, 12, -9), false, "△Bx4d"},     // a capture
        {record::記録行(2, 8, 2, 3, -11, -10, 0), false, "▲R-8c+"},   // a promotion
        {record::記録行(5, 8, 5, 7, 12, 12, 0), false, "△B-5g="},     // a promotion declined
        {record::記録行(5, 9, 5, 7, -14, -14, 0), false, "▲U-5g"},    // a Nue King's jump
        {record::記録行(3, 3, 3, 4, 11, 11, -1), false, "△+Rx7d"},    // a promoted piece
        {record::記録行(5, 7, 5, 6, -14, -14, 0), false, ""},         // a Nue King's two steps,
        {record::記録行(5, 6, 4, 5, -14, -14, 1), true, "▲U-5fx6e"},  // the second a capture
    };
    cli::Session s;
    state::MoveRecord& r = s.game().record;
    std::string expected;
    for (const auto& row : rows) {
        const int k = ++r.last;
        r.fromX[k] = row.entry.fromX, r.fromY[k] = row.entry.fromY, r.toX[k] = row.entry.toX;
        r.toY[k] = row.entry.toY, r.moved[k] = row.entry.moved, r.placed[k] = row.entry.placed;
        r.captured[k] = row.entry.captured, r.secondStep[k] = row.secondStep;
        if (*row.line) expected += std::string(row.line) + "\n";
    }
    EXPECT_EQ(s.handle("notation en"), "notation 7\n" + expected);
    EXPECT_EQ(s.handle("notation en ja"), "error notation: wrong number of words\n");
}

TEST(NotationCommand, EachComputerMoveIsALineOfItsOwn) {
    // Three moves of the upper Nue King, one after the other, stay three moves.
    cli::Session s;
    s.handle("start computer");
    for (int i = 0; i < 3; ++i) s.handle("go");
    EXPECT_EQ(s.handle("notation").substr(0, 11), "notation 3\n");
}

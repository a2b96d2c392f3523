// nuedori-cli's notation: the record's moves as the window's move list shows them.
#include <gtest/gtest.h>

#include <string>

#include "cli/session.h"

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

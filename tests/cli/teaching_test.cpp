// The teaching answers of the command line: every side's reach counts and
// the computer's choice for the lower side, which changes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/session.h"
#include "cli_lines.h"

using cli_lines::twoStepBoard;
using cli_lines::valueAt;
using cli_lines::words;

TEST(Teaching, AttacksCountEverySideInBoardOrder) {
    cli::Session s;
    s.handle("start human");
    const std::string answer = s.handle("attacks");
    std::istringstream in(answer);
    std::string lower, upper, extra;
    ASSERT_TRUE(std::getline(in, lower) && std::getline(in, upper));
    EXPECT_FALSE(std::getline(in, extra));
    ASSERT_EQ(words(lower).size(), 82u);
    ASSERT_EQ(words(upper).size(), 82u);
    EXPECT_EQ(words(lower)[0], "lower");
    EXPECT_EQ(words(upper)[0], "upper");
    // The Nue King on (5, 9) reaches its whole block, but not its own square.
    EXPECT_EQ(valueAt(lower, 3, 7), 1);
    EXPECT_EQ(valueAt(lower, 7, 9), 1);
    EXPECT_EQ(valueAt(lower, 5, 9), 0);
    EXPECT_EQ(valueAt(lower, 2, 9), 0);
    // The lance and the rook reach (1, 2); the lance and the knight protect
    // the pawn on (1, 3), which the computer's own maps leave the knight out of.
    EXPECT_EQ(valueAt(upper, 1, 2), 2);
    EXPECT_EQ(valueAt(upper, 1, 3), 2);
    EXPECT_EQ(valueAt(upper, 5, 4), 1);
    EXPECT_EQ(valueAt(upper, 5, 5), 0);
    EXPECT_EQ(s.handle("attacks now"), "error attacks: wrong number of words\n");
}

TEST(Teaching, HintIsTheComputersChoiceOnTheBoardTurnedAbout) {
    cli::Session s;
    ASSERT_EQ(s.handle(twoStepBoard()), "ok\n");
    ASSERT_EQ(s.handle("reverse"), "ok\n");
    const std::string before = s.handle("show");
    EXPECT_EQ(s.handle("hint"), "hint 5 6 5 5 -14 second 5 6\n");
    EXPECT_EQ(s.handle("show"), before);
    EXPECT_EQ(s.handle("hint me"), "error hint: wrong number of words\n");
    std::string stuck = "board";
    for (int i = 1; i <= 81; ++i) stuck += i == 5 ? " -1" : " 0";  // a lower pawn on row 1
    s.handle(stuck);
    EXPECT_EQ(s.handle("hint"), "nomove\n");

    // On the opening board the hint mirrors what the computer plays for the
    // upper side of the same board turned about.
    for (const char* level : {"level 1", "level 2", "level 3"}) {
        cli::Session lower, upper;
        lower.handle(level);
        upper.handle(level);
        lower.handle("start human");
        upper.handle("start human");
        upper.handle("reverse");
        const std::vector<std::string> h = words(lower.handle("hint"));
        const std::vector<std::string> b = words(upper.handle("go"));
        ASSERT_EQ(h.size(), 6u) << level;
        ASSERT_GE(b.size(), 8u) << level;
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(std::stoi(h[i]), 10 - std::stoi(b[i])) << level;
        EXPECT_EQ(std::stoi(h[5]), -std::stoi(b[6])) << level;
    }
}

TEST(Teaching, AtASearchLevelTheHintIsTheStrongestsUnderItsNodeBudget) {
    std::string first;
    for (int run = 0; run < 2; ++run) {
        cli::Session s;
        s.handle(run == 0 ? "level 4" : "level 8");
        s.handle("limit 3000");
        s.handle("start human");
        const std::string before = s.handle("show");
        const std::string answer = s.handle("hint");
        const std::vector<std::string> w = words(answer);
        ASSERT_GE(w.size(), 6u) << answer;
        EXPECT_EQ(w[0], "hint");
        EXPECT_EQ(w[1] + w[2] + w[5], "59-14") << answer;  // the lone Nue King
        EXPECT_LE(std::abs(std::stoi(w[3]) - 5), 2);
        EXPECT_LE(std::abs(std::stoi(w[4]) - 9), 2);
        EXPECT_EQ(s.handle("show"), before);
        if (run == 0) first = answer;
        EXPECT_EQ(answer, first);  // the same budget, the same move
    }
}

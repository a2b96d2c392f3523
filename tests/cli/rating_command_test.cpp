// The player's rating through the command line: a fresh session's rating,
// games applied one a period, a rating set, and every malformed or
// out-of-range line refused with the rating left as it was.
#include <gtest/gtest.h>

#include <string>

#include "cli/session.h"

namespace {

TEST(RatingCommands, GamesAreAppliedOneAPeriod) {
    // The figures of an independent Glicko-2 computation (τ 0.5).
    struct Step {
        const char* line;
        const char* answer;
    };
    const Step steps[] = {
        {"rating", "rating 1500.00 350.00 0.060000\n"},
        {"rated 1500 350 1", "rating 1662.31 290.32 0.060000\n"},
        {"rated 1700 300 0.5", "rating 1672.42 248.70 0.059998\n"},
        // Glickman's example player, its three games one period each.
        {"rating 1500 200 0.06", "ok\n"},
        {"rated 1400 30 1", "rating 1563.56 175.40 0.059999\n"},
        {"rated 1550 100 0", "rating 1492.26 158.30 0.059998\n"},
        {"rated 1700 300 0", "rating 1463.79 151.87 0.059998\n"},
    };
    cli::Session s;
    for (const Step& step : steps) EXPECT_EQ(s.handle(step.line), step.answer) << step.line;
}

TEST(RatingCommands, RefusesWhatIsOutOfRangeAndKeepsTheRating) {
    const char* refused[] = {
        "rating 1500 350",     "rating 1500 350 0.06 1", "rating -1 350 0.06",    "rating 5000.5 350 0.06",
        "rating 1500 0 0.06",  "rating 1500 351 0.06",   "rating 1500 350 0",     "rating 1500 350 1.5",
        "rating nan 350 0.06", "rating 1500 inf 0.06",   "rating 1500x 350 0.06", "rating +1500 350 0.06",
        "rated 1500 350",      "rated 1500 350 0.25",    "rated 1500 350 2",      "rated 1500 350 -1",
        "rated 1500 -3 1",     "rated 9999 350 1",       "rated 1500 350 nan",    "rated 1500 350 1 1",
        "rated one 350 1",     "rated 1500 350 1/2",
    };
    cli::Session s;
    ASSERT_EQ(s.handle("rating 1234.5 123.25 0.07"), "ok\n");
    for (const char* line : refused) {
        const std::string answer = s.handle(line);
        EXPECT_EQ(answer.rfind("error ", 0), 0u) << line << " answered " << answer;
    }
    EXPECT_EQ(s.handle("rating"), "rating 1234.50 123.25 0.070000\n");
}

}  // namespace

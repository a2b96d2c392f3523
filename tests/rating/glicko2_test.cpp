// Glicko-2 against Glickman's worked example, and the inputs it refuses.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "rating/glicko2.h"

namespace {

TEST(Glicko2, GlickmansExampleGivesItsFigures) {
    // "Example of the Glicko-2 system": a player of 1500/200/0.06 beats
    // 1400/30, then loses to 1550/100 and to 1700/300, in one period. The
    // paper rounds between its steps (μ' = -0.2069 gives 1464.06); unrounded
    // the rating is 1464.05.
    const std::array<rating::Game, 3> games = {{{1400, 30, 1}, {1550, 100, 0}, {1700, 300, 0}}};
    const rating::Rating r = rating::afterPeriod({1500, 200, 0.06}, games);
    EXPECT_NEAR(r.rating, 1464.06, 0.015);
    EXPECT_NEAR(r.deviation, 151.52, 0.005);
    EXPECT_NEAR(r.volatility, 0.059996, 0.0000005);  // printed there cut to 0.05999
}

TEST(Glicko2, StepsOfTheExampleOneGameAPeriod) {
    // Each game a period of its own, as the game rates: the rating follows
    // the score; the deviation falls after a game that tells much, and grows
    // by the volatility (step 6) where the game told little; a period
    // without a game only widens it.
    struct Case {
        rating::Rating before;
        rating::Game game;
        double least, most;  // where the new rating lies
        bool narrower;       // the deviation falls
    };
    const Case cases[] = {
        {{1500, 350, 0.06}, {1500, 350, 1}, 1500.1, 1800, true},        // a win over an equal
        {{1500, 350, 0.06}, {1500, 350, 0}, 1200, 1499.9, true},        // a loss to an equal
        {{1500, 350, 0.06}, {1500, 350, 0.5}, 1499.99, 1500.01, true},  // a draw with an equal
        {{1500, 100, 0.06}, {1500, 50, 1}, 1500.1, 1600, true},         // a win with a firm rating
        {{1800, 60, 0.06}, {1200, 50, 0.5}, 1700, 1799.9, false},       // a draw with a far weaker player
        {{1200, 60, 0.06}, {1800, 50, 0.5}, 1200.1, 1300, false},       // and with a far stronger one
    };
    for (const Case& c : cases) {
        const rating::Rating after = rating::afterGame(c.before, c.game);
        EXPECT_GT(after.rating, c.least) << c.before.rating << " " << c.game.score;
        EXPECT_LT(after.rating, c.most) << c.before.rating << " " << c.game.score;
        EXPECT_EQ(after.deviation < c.before.deviation, c.narrower) << c.before.rating;
    }
    const rating::Rating idle = rating::afterPeriod({1500, 200, 0.06}, {});
    EXPECT_DOUBLE_EQ(idle.deviation, std::sqrt(200.0 * 200.0 + 0.06 * 0.06 * 173.7178 * 173.7178));
    EXPECT_EQ(idle.rating, 1500);
}

TEST(Glicko2, ProvisionalAboveADeviationOf110) {
    EXPECT_TRUE(rating::provisional(rating::kFirstRating));
    EXPECT_TRUE(rating::provisional({1500, 110.01, 0.06}));
    EXPECT_FALSE(rating::provisional({1500, 110, 0.06}));
}

TEST(Glicko2, RefusesWhatIsOutOfRange) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        rating::Rating r;
        bool accepted;
    };
    const Case cases[] = {
        {{1500, 350, 0.06}, true},   {{0, 0.01, 0.000001}, true},   {{5000, 350, 1}, true},
        {{-0.01, 350, 0.06}, false}, {{5000.01, 350, 0.06}, false}, {{nan, 350, 0.06}, false},
        {{inf, 350, 0.06}, false},   {{1500, 0, 0.06}, false},      {{1500, 350.01, 0.06}, false},
        {{1500, nan, 0.06}, false},  {{1500, 350, 0}, false},       {{1500, 350, 1.01}, false},
        {{1500, 350, nan}, false},   {{1500, -50, 0.06}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rating::accepted(c.r), c.accepted)
            << c.r.rating << " " << c.r.deviation << " " << c.r.volatility;
    for (const double s : {0.0, 0.5, 1.0}) EXPECT_TRUE(rating::acceptedScore(s)) << s;
    for (const double s : {-1.0, 0.25, 0.51, 2.0, nan}) EXPECT_FALSE(rating::acceptedScore(s)) << s;
}

}  // namespace

// The levels' published ratings, the level suggested and the adaptive level.
#include <gtest/gtest.h>

#include <vector>

#include "rating/level_choice.h"

namespace {

using rating::Side;

TEST(LevelRatings, EveryLevelIsRatedForBothSidesAndTheSearchLevelsClimb) {
    for (const Side side : {Side::Nue, Side::Army}) {
        for (int level = rating::kFirstLevel; level <= rating::kLastLevel; ++level) {
            const rating::LevelRating r = rating::levelRating(level, side);
            EXPECT_TRUE(rating::acceptedRating(r.rating)) << level;
            EXPECT_TRUE(rating::acceptedDeviation(r.deviation)) << level;
        }
        // Levels 1 to 3 play about alike; from level 3 on each level is
        // stronger with either side than the one below it, and a fresh
        // player's expected score falls with it.
        for (int level = 4; level <= rating::kLastLevel; ++level) {
            EXPECT_GT(rating::levelRating(level, side).rating, rating::levelRating(level - 1, side).rating)
                << level;
            EXPECT_LT(rating::expectedAgainst(rating::kFirstRating, side, level),
                      rating::expectedAgainst(rating::kFirstRating, side, level - 1));
        }
    }
    // Level 3's two ratings stand either side of 1500, the scale's anchor.
    EXPECT_NEAR((rating::levelRating(3, Side::Nue).rating + rating::levelRating(3, Side::Army).rating) / 2,
                1500, 0.1);
}

TEST(LevelChoice, SuggestsTheLevelNearestAnEvenScore) {
    // A player rated as a level's own side is offered that level: the
    // expected score there is 50 %.
    for (const Side side : {Side::Nue, Side::Army}) {
        for (int level = rating::kFirstLevel; level <= rating::kLastLevel; ++level) {
            const rating::Rating player{rating::opponentAt(level, side).rating, 80, 0.06};
            EXPECT_NEAR(rating::expectedAgainst(player, side, level), 0.5, 1e-12);
            EXPECT_EQ(rating::suggestedLevel(player, side), level) << level;
        }
        // Beyond either end of the ladder, its end (levels 1 to 3 play about alike).
        EXPECT_LE(rating::suggestedLevel({0, 350, 0.06}, side), 3);
        EXPECT_EQ(rating::suggestedLevel({5000, 350, 0.06}, side), rating::kLastLevel);
    }
}

TEST(AdaptiveLevel, MovesOneRungAfterTwoWinsOrTwoLossesInARow) {
    struct Case {
        rating::AdaptiveLevel start;
        std::vector<double> scores;
        rating::AdaptiveLevel end;
    };
    const Case cases[] = {
        {{3, 0}, {1}, {3, 1}},          {{3, 0}, {1, 1}, {4, 0}},
        {{3, 0}, {0, 0}, {2, 0}},       {{3, 0}, {1, 0}, {3, -1}},  // a loss ends a run of wins
        {{3, 0}, {1, 0.5, 1}, {3, 1}},                              // so does a draw
        {{3, 0}, {1, 1, 1}, {4, 1}},                                // the new level's run starts afresh
        {{3, 0}, {1, 1, 1, 1}, {5, 0}}, {{3, 0}, {0, 0, 0, 0, 0, 0}, {1, 0}},
        {{1, 0}, {0, 0}, {1, 0}},  // no rung below level 1
        {{8, 1}, {1}, {8, 0}},     // nor above level 8
        {{5, -1}, {0}, {4, 0}},
    };
    for (const Case& c : cases) {
        rating::AdaptiveLevel a = c.start;
        for (const double s : c.scores) a = rating::nextAdaptive(a, s);
        EXPECT_EQ(a, c.end) << c.start.level << " after " << c.scores.size() << " games";
    }
}

}  // namespace

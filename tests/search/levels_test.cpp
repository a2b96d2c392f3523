// The search levels' budgets, the near-best choice of the lower levels, and
// the rule by which a level spends a clock's time.
#include <gtest/gtest.h>

#include <set>

#include "search/attacks.h"
#include "search/levels.h"
#include "search/pieces.h"
#include "search/time_use.h"

namespace {

using namespace search;

TEST(Levels, EachLevelThinksMoreThanTheOneBelowAndEightIsTheFullSearch) {
    EXPECT_FALSE(isSearchLevel(3));
    EXPECT_FALSE(isSearchLevel(9));
    const Limits full = levelLimits(kStrongestLevel);
    EXPECT_EQ(full.nodes, Limits{}.nodes);
    EXPECT_EQ(full.seconds, Limits{}.seconds);
    EXPECT_EQ(full.depth, Limits{}.depth);
    EXPECT_EQ(full.margin, 0);
    EXPECT_EQ(levelLimits(kStrongestLevel, 5000).nodes, 5000u);
    for (int level = kFirstSearchLevel; level < kStrongestLevel; ++level) {
        SCOPED_TRACE(level);
        const Limits own = levelLimits(level), above = levelLimits(level + 1);
        // Level 8's budget is not theirs: the lower levels keep their own.
        EXPECT_EQ(levelLimits(level, 5000).nodes, own.nodes);
        EXPECT_GT(own.nodes, 0u);
        EXPECT_LE(own.depth, above.depth);
        EXPECT_GE(own.margin, above.margin);
        if (own.depth == above.depth && above.nodes != 0) {
            EXPECT_LT(own.nodes, above.nodes);
        }
    }
}

Position openingPosition() {
    Position p = emptyPosition();
    // The army's back rank and pawns against a Nue King, the army to move.
    const int back[9] = {kLance, kKnight, kSilver, kGold, kKing, kGold, kSilver, kKnight, kLance};
    for (int x = 1; x <= 9; ++x) {
        put(p, x, 1, back[x - 1]);
        put(p, x, 3, kPawn);
    }
    put(p, 2, 2, kRook);
    put(p, 8, 2, kBishop);
    put(p, 5, 9, -kNueKing);
    p.side = 1;
    p.key = p.computeKey();
    return p;
}

TEST(Levels, TheNearBestChoiceVariesBySeedYetKeepsAWinningCapture) {
    Limits near;
    near.nodes = 20000;
    near.depth = 2;
    near.margin = 60;
    const Position opening = openingPosition();
    std::set<Move> chosen;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        near.seed = seed;
        Searcher s(1);
        const Choice c = s.choose(opening, near);
        ASSERT_TRUE(c.found);
        chosen.insert(c.move);
        EXPECT_EQ(Searcher(1).choose(opening, near).move, c.move);  // the same seed, the same move
    }
    EXPECT_GT(chosen.size(), 1u);
    // A rook hangs to the bishop: no move within the margin leaves it.
    Position rook = emptyPosition();
    put(rook, 5, 1, kKing);
    put(rook, 1, 1, kBishop);
    put(rook, 6, 6, -kRook);
    put(rook, 5, 9, -kKing);
    rook.side = 1;
    rook.key = rook.computeKey();
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        near.seed = seed;
        const Choice c = Searcher(1).choose(rook, near);
        EXPECT_EQ((std::tuple{c.tx, c.ty}), (std::tuple{6, 6})) << seed;
    }
}

TEST(Levels, AClockNeverGivesAMoveMoreThanItAllows) {
    const ClockTime clocks[] = {
        {0, 0, 1}, {0.3, 1, 0}, {2, 1, 0}, {5, 0, 1}, {60, 0, 0}, {600, 10, 0}, {0.05, 0, 0}, {0, 0, 30},
    };
    for (const ClockTime& t : clocks) {
        for (int level : {4, 8}) {
            SCOPED_TRACE(testing::Message()
                         << t.main << " + " << t.increment << " / " << t.byoyomi << " level " << level);
            const Limits l = spendClock(levelLimits(level), t, 0.05);
            // The increment comes only after the move: it cannot pay for it.
            const double allowed = t.main + t.byoyomi;
            EXPECT_GT(l.stopSeconds, 0);
            if (allowed > 0.2) {
                EXPECT_LE(l.stopSeconds, allowed - 0.15);
            }
            if (level == 8) {
                EXPECT_LE(l.seconds, l.stopSeconds);
            }
            EXPECT_EQ(l.nodes, levelLimits(level).nodes);
            // A second of byoyomi leaves time to think; a second of increment
            // leaves a second for the next move.
            if (t.byoyomi >= 1) {
                EXPECT_GE(l.stopSeconds, 0.5);
            }
            if (t.increment >= 1) {
                EXPECT_GE(t.main - l.stopSeconds + t.increment, 1);
            }
        }
    }
}

}  // namespace

// The search levels' budgets, the near-best choice of the lower levels, and
// the rule by which a level spends a clock's time.
#include <gtest/gtest.h>

#include <set>

#include "rules/initial_position.h"
#include "search/levels.h"
#include "search/pieces.h"
#include "search/time_use.h"
#include "state/game_data.h"

namespace {

using namespace search;

TEST(Levels, EachLevelThinksMoreThanTheOneBelowAndEightIsTheFullSearch) {
    EXPECT_FALSE(isSearchLevel(3) || isSearchLevel(9));
    const Limits full = levelLimits(kStrongestLevel);
    EXPECT_EQ((std::tuple{full.nodes, full.seconds, full.depth, full.margin}), (std::tuple{0u, 1.0, 60, 0}));
    EXPECT_EQ(levelLimits(kStrongestLevel, 5000).nodes, 5000u);
    for (int level = kFirstSearchLevel; level < kStrongestLevel; ++level) {
        SCOPED_TRACE(level);
        const Limits own = levelLimits(level), above = levelLimits(level + 1);
        // Level 8's budget is not theirs: the lower levels keep their own.
        EXPECT_EQ(levelLimits(level, 5000).nodes, own.nodes);
        EXPECT_GT(own.nodes, 0u);
        EXPECT_LE(own.depth, above.depth);
        EXPECT_GE(own.margin, above.margin);
        EXPECT_TRUE(own.depth < above.depth || above.nodes == 0 || own.nodes < above.nodes);
    }
}

TEST(Levels, TheNearBestChoiceVariesBySeedYetKeepsAWinningCapture) {
    Limits near;
    near.nodes = 20000;
    near.depth = 2;
    near.margin = 60;
    state::GameData start;
    rules::初期設定_先手敵(start);
    const Position opening = fromGame(start.board, state::MoveRecord{}, 1);
    std::set<Move> chosen;
    for (near.seed = 1; near.seed <= 8; ++near.seed) {
        const Move m = Searcher(1).choose(opening, near).move;
        chosen.insert(m);
        EXPECT_EQ(Searcher(1).choose(opening, near).move, m);  // the same seed, the same move
    }
    EXPECT_GT(chosen.size(), 1u);
    // A rook hangs to the bishop: no move within the margin leaves it.
    Position rook = emptyPosition();
    for (const auto& [x, y, code] :
         {std::tuple{5, 1, +kKing}, {1, 1, +kBishop}, {6, 6, -kRook}, {5, 9, -kKing}})
        put(rook, x, y, code);
    rook.side = 1;
    rook.key = rook.computeKey();
    for (near.seed = 1; near.seed <= 8; ++near.seed) {
        const Choice c = Searcher(1).choose(rook, near);
        EXPECT_EQ((std::tuple{c.played.toX, c.played.toY}), (std::tuple{6, 6})) << near.seed;
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
            EXPECT_TRUE(allowed <= 0.2 || l.stopSeconds <= allowed - 0.15);
            EXPECT_TRUE(level != 8 || l.seconds <= l.stopSeconds);
            EXPECT_EQ(l.nodes, levelLimits(level).nodes);
            // A second of byoyomi leaves time to think; a second of increment
            // leaves a second for the next move.
            EXPECT_TRUE(t.byoyomi < 1 || l.stopSeconds >= 0.5);
            EXPECT_TRUE(t.increment < 1 || t.main - l.stopSeconds + t.increment >= 1);
        }
    }
}

}  // namespace

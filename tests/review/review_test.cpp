// The review of a record: a move that leaves the Nue King to be taken is a
// blunder, the capture that follows is best, a two-step move is one move,
// a record the rules refuse is named at its move, and a stop ends it at once.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "record/kifu_format.h"
#include "review/game_review.h"
#include "search/search.h"

namespace {

using record::記録行;

// From the human-first start: the Nue King's two steps (5, 9) -> (5, 8) ->
// (5, 7), a pawn, a jump to (5, 5), a pawn, then the Nue King steps before
// the pawn on (5, 3), which takes it.
state::MoveRecord plantedBlunder() {
    const std::vector<state::Move> entries = {
        記録行(5, 9, 5, 8, -14, -14, 0), 記録行(5, 8, 5, 7, -14, -14, 0), 記録行(1, 3, 1, 4, 1, 1, 0),
        記録行(5, 7, 5, 5, -14, -14, 0), 記録行(1, 4, 1, 5, 1, 1, 0),     記録行(5, 5, 5, 4, -14, -14, 0),
        記録行(5, 3, 5, 4, 1, 1, -14),
    };
    return record::recordFromKifu(record::Kifu{{}, entries});
}

review::Request requestFor(const state::MoveRecord& r, std::uint64_t nodes) {
    review::Request q;
    q.record = r;
    q.start = review::初期局面(r);
    q.nodes = nodes;
    return q;
}

TEST(Review, GradesTheBlunderTheRoyalCaptureAndTheTwoStepMove) {
    const review::Result r = review::検討(requestFor(plantedBlunder(), 20000));
    ASSERT_EQ(r.status, review::Result::Status::Done);
    ASSERT_EQ(r.moves.size(), 6u);  // seven entries, the two steps one move
    EXPECT_EQ(r.outcome, state::Outcome::UpperWins);
    const review::MoveReview& twoStep = r.moves[0];
    EXPECT_TRUE(twoStep.played.twoStep);
    EXPECT_EQ((std::vector{twoStep.first, twoStep.last, twoStep.played.toX2, twoStep.played.toY2}),
              (std::vector{1, 2, 5, 7}));
    EXPECT_EQ(r.moves[1].first, 3);
    const review::MoveReview& blunder = r.moves[4];
    EXPECT_EQ(blunder.side, -1);
    EXPECT_EQ(blunder.grade, review::Grade::Blunder);
    EXPECT_FALSE(blunder.searchChoice);
    EXPECT_GE(blunder.loss, 0.2);
    const review::MoveReview& capture = r.moves[5];
    EXPECT_EQ(capture.grade, review::Grade::Best);
    EXPECT_DOUBLE_EQ(capture.win, 1.0);  // the game ends with it
    EXPECT_EQ(r.positions.size(), 7u);
    EXPECT_DOUBLE_EQ(r.positions.back().firstMoverWin, 0.0);  // the lower side moved first and lost
}

TEST(Review, TheSameBudgetGivesTheSameReviewOnAnyThreads) {
    review::Request one = requestFor(plantedBlunder(), 5000);
    one.threads = 1;
    review::Request two = one;
    two.threads = 2;
    const review::Result a = review::検討(one), b = review::検討(two);
    ASSERT_EQ(a.moves.size(), b.moves.size());
    for (std::size_t i = 0; i < a.moves.size(); ++i) {
        EXPECT_EQ(a.moves[i].best, b.moves[i].best) << i;
        EXPECT_EQ(a.moves[i].win, b.moves[i].win) << i;
    }
}

TEST(Review, NamesTheFirstMoveTheRulesRefuse) {
    state::MoveRecord r = plantedBlunder();
    r.toY[5] = 3;  // the pawn's second move would go backwards: move 4
    const review::Result refused = review::検討(requestFor(r, 1000));
    EXPECT_EQ(refused.status, review::Result::Status::IllegalMove);
    EXPECT_EQ(refused.badPly, 4);
}

TEST(Review, AStopEndsTheSearchesAtOnce) {
    std::atomic<bool> stop{true};
    search::Limits limits;
    limits.nodes = 1000000000;
    limits.stop = &stop;
    search::Searcher searcher(1);
    review::Request q = requestFor(plantedBlunder(), 1000000000);
    EXPECT_LT(searcher.choose(search::fromGame(q.start, q.record, -1), limits).nodes, 5000u);
    q.stop = &stop;
    int told = 0;
    q.progress = [&](int, int) { ++told; };
    const review::Result r = review::検討(q);
    EXPECT_EQ(r.status, review::Result::Status::Stopped);
    EXPECT_EQ(told, 0);
    EXPECT_LT(r.nodes, 5000u);
}

TEST(Review, GradesByLossAndWinChanceBySide) {
    const struct {
        double loss;
        review::Grade grade;
    } cases[] = {
        {0.0, review::Grade::Best},        {0.0199, review::Grade::Best},
        {0.02, review::Grade::Good},       {0.0499, review::Grade::Good},
        {0.05, review::Grade::Inaccuracy}, {0.0999, review::Grade::Inaccuracy},
        {0.10, review::Grade::Mistake},    {0.1999, review::Grade::Mistake},
        {0.20, review::Grade::Blunder},
    };
    for (const auto& c : cases) EXPECT_EQ(review::損失の評価(c.loss), c.grade) << c.loss;
    // The army's side and the Nue King's see one chance from both ends.
    for (int score : {-6000, 0, 4321})
        EXPECT_NEAR(review::勝率(score, review::Army::Full), 1 - review::勝率(-score, review::Army::Nue),
                    1e-12);
    EXPECT_DOUBLE_EQ(review::勝率(0, review::Army::Even), 0.5);
    EXPECT_DOUBLE_EQ(review::勝率(static_cast<int>(review::kArmyBalance), review::Army::Full), 0.5);
}

}  // namespace

// What a record file of the games folder says of its game: who played
// which side, at which level, how it ended, in how many moves.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "positions.h"
#include "record/record_facts.h"
#include "rules/initial_position.h"

using namespace state;

namespace {

using record::記録行;
using state::EndReason;
using state::Outcome;

// From the human-first position: the Nue King's two steps, a pawn, a jump,
// a pawn, a step before the pawn on (5, 3), which takes it.
const std::vector<state::Move> kNueKingTaken = {
    記録行(5, 9, 5, 8, -14, -14, 0), 記録行(5, 8, 5, 7, -14, -14, 0), 記録行(1, 3, 1, 4, 1, 1, 0),
    記録行(5, 7, 5, 5, -14, -14, 0), 記録行(1, 4, 1, 5, 1, 1, 0),     記録行(5, 5, 5, 4, -14, -14, 0),
    記録行(5, 3, 5, 4, 1, 1, -14),
};
// From the computer-first position: the upper Nue King's two steps, a lower pawn.
const std::vector<state::Move> kComputerFirst = {記録行(5, 1, 5, 2, 14, 14, 0), 記録行(5, 2, 5, 3, 14, 14, 0),
                                                 記録行(5, 7, 5, 6, -1, -1, 0)};

std::vector<state::Move> withoutLast(std::vector<state::Move> v) {
    v.pop_back();
    return v;
}

TEST(RecordFacts, TellWhoPlayedWhatAndHowItEnded) {
    struct Case {
        const char* first;
        const char* second;
        std::vector<state::Move> entries;
        bool finished;
        record::RecordFacts facts;
    };
    const Case cases[] = {
        {"先手：MAN",
         "後手：COM LEVEL3",
         kNueKingTaken,
         true,
         {1, 3, -1, {Outcome::UpperWins, EndReason::RoyalTaken}, 6}},
        // The same game over before the capture: the upper side, to move, gave up.
        {"先手：MAN",
         "後手：COM LEVEL3",
         withoutLast(kNueKingTaken),
         true,
         {1, 3, -1, {Outcome::LowerWins, EndReason::Untold}, 5}},
        // Or left unfinished.
        {"先手：MAN",
         "後手：COM LEVEL3",
         withoutLast(kNueKingTaken),
         false,
         {1, 3, -1, {Outcome::Continues, EndReason::None}, 5}},
        {"先手：MAN",
         "後手：MAN",
         kNueKingTaken,
         true,
         {0, 0, -1, {Outcome::UpperWins, EndReason::RoyalTaken}, 6}},
        {"先手：COM LEVEL5",
         "後手：MAN",
         kComputerFirst,
         false,
         {1, 5, 1, {Outcome::Continues, EndReason::None}, 2}},
        // Header lines it cannot read name people.
        {"", "player two", kComputerFirst, false, {0, 0, 1, {Outcome::Continues, EndReason::None}, 2}},
    };
    for (const Case& c : cases) {
        const record::Kifu kifu{{"2024/05/01 09:05:03", c.first, c.second}, c.entries};
        EXPECT_EQ(record::棋譜の事実(kifu, c.finished), c.facts) << c.first << " " << c.entries.size();
    }
}

TEST(RecordFacts, NothingForMovesThatDoNotPlayFromTheFirstPosition) {
    std::vector<state::Move> moved = kNueKingTaken;
    moved[2] = 記録行(2, 3, 2, 4, 1, 1, 0);  // the pawn's column changed: (1, 4) is then empty
    for (const auto& entries : {moved, std::vector<state::Move>{}}) {
        const record::Kifu kifu{{"", "先手：MAN", "後手：COM LEVEL3"}, entries};
        EXPECT_EQ(record::棋譜の事実(kifu, true), std::nullopt);
    }
}

TEST(RecordFacts, OfAGameAsTheGameKeepsIt) {
    struct Case {
        int kind;
        bool computerFirst;
        std::vector<state::Move> entries;
        state::Outcome outcome;
        record::RecordFacts facts;
    };
    const Case cases[] = {
        {state::kAgainstComputer,
         false,
         kNueKingTaken,
         {Outcome::UpperWins, EndReason::RoyalTaken},
         {1, 4, -1, {Outcome::UpperWins, EndReason::RoyalTaken}, 6}},
        {state::kAgainstComputer,
         true,
         kComputerFirst,
         {Outcome::LowerWins, EndReason::OutOfTime},
         {1, 4, 1, {Outcome::LowerWins, EndReason::OutOfTime}, 2}},
        {state::kTwoPlayers, true, kComputerFirst, {}, {0, 0, 1, {Outcome::Continues, EndReason::None}, 2}},
    };
    for (const Case& c : cases) {
        testing_support::TestGame t;
        if (c.computerFirst)
            rules::初期設定_先手敵(t.game);
        else
            rules::初期設定_先手自(t.game);
        record::KeptGame kept;
        kept.gameKind = c.kind;
        kept.level = 4;
        kept.start = t.game.board;
        kept.record = record::recordFromKifu(record::Kifu{{}, c.entries});
        EXPECT_EQ(record::対局の事実(kept, c.outcome), c.facts) << c.entries.size();
    }
}

}  // namespace

// What 最近の対局 says of a game kept before its facts were: its record's
// header lines and moves alone (the facts' own are tried with the keeper).
#include <gtest/gtest.h>

#include "record/game_summary.h"

TEST(GameSummary, AnEarlierRecordTellsThePlayersByItsHeaderAndItsLengthByItsMoves) {
    using record::GameSummary;
    using Opponent = GameSummary::Opponent;
    constexpr auto lower = state::Side::Lower;
    // The Nue King's two steps, a pawn, a jump: three moves in four entries.
    const std::vector<state::Move> moves{
        record::記録行(5, 9, 5, 8, -14, -14, 0), record::記録行(5, 8, 5, 7, -14, -14, 0),
        record::記録行(7, 3, 7, 4, 1, 1, 0), record::記録行(5, 7, 5, 5, -14, -14, 0)};
    const std::tuple<const char*, const char*, GameSummary> cases[] = {
        {"先手：MAN", "後手：COM LEVEL3", {Opponent::Computer, 3, lower, std::nullopt, 3}},
        {"先手：COM LEVEL7", "後手：MAN", {Opponent::Computer, 7, state::Side::Upper, std::nullopt, 3}},
        {"先手：MAN", "後手：MAN", {Opponent::Person, 0, lower, std::nullopt, 3}},
        {"先手：COM LEVEL2",
         "後手：COM LEVEL2",
         {Opponent::Unknown, 0, lower, std::nullopt, 3}},  // self-play
        {"後手：MAN", "先手：COM LEVEL3", {Opponent::Unknown, 0, lower, std::nullopt, 3}},
        {"a note", "", {Opponent::Unknown, 0, lower, std::nullopt, 3}},
    };
    for (const auto& [first, second, summary] : cases)
        EXPECT_EQ(record::summaryOf(record::Kifu{{"2024/05/01 09:05:03", first, second}, moves}), summary)
            << first << second;
}

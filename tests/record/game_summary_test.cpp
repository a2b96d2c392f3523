// What 最近の対局 says of a past game: from the facts kept beside its record,
// or from an earlier record's header lines and moves alone.
#include <gtest/gtest.h>

#include "positions.h"
#include "record/game_summary.h"
#include "record/record_moves.h"
#include "rules/initial_position.h"

namespace {

using record::GameSummary;
using Opponent = GameSummary::Opponent;
using state::Side;

// The Nue King's two steps, a pawn, a jump: three moves in four entries.
const state::Move kEntries[] = {record::記録行(5, 9, 5, 8, -14, -14, 0),
                                record::記録行(5, 8, 5, 7, -14, -14, 0), record::記録行(7, 3, 7, 4, 1, 1, 0),
                                record::記録行(5, 7, 5, 5, -14, -14, 0)};

record::Kifu kifuWith(const std::string& first, const std::string& second) {
    return record::Kifu{{"2024/05/01 09:05:03", first, second}, {std::begin(kEntries), std::end(kEntries)}};
}

}  // namespace

TEST(GameSummary, AnEarlierRecordTellsThePlayersByItsHeaderAndItsLengthByItsMoves) {
    struct Case {
        const char* first;
        const char* second;
        Opponent opponent;
        int level;
        Side nueKing;
    };
    const Case cases[] = {
        {"先手：MAN", "後手：COM LEVEL3", Opponent::Computer, 3, Side::Lower},
        {"先手：COM LEVEL7", "後手：MAN", Opponent::Computer, 7, Side::Upper},
        {"先手：MAN", "後手：MAN", Opponent::Person, 0, Side::Lower},
        {"先手：COM LEVEL2", "後手：COM LEVEL2", Opponent::Unknown, 0, Side::Lower},  // self-play
        {"後手：MAN", "先手：COM LEVEL3", Opponent::Unknown, 0, Side::Lower},
        {"a note", "", Opponent::Unknown, 0, Side::Lower},
    };
    for (const Case& c : cases) {
        const GameSummary s = record::summaryOf(kifuWith(c.first, c.second));
        EXPECT_EQ(s, (GameSummary{c.opponent, c.level, c.nueKing, std::nullopt, 3})) << c.first << c.second;
    }
}

TEST(GameSummary, KeptFactsTellTheOpponentTheNueKingsSideAndTheOutcome) {
    testing_support::TestGame t;
    rules::初期設定_先手敵(t.game);  // the computer's Nue King moves first, from the top
    record::KeptGame k;
    k.state = record::KeptState::Playing;
    k.level = 5;
    k.start = t.game.board;
    record::記録の項に書く(k.record, 1, record::記録行(5, 1, 5, 3, 14, 14, 0));
    k.record.last = 1;
    EXPECT_EQ(record::summaryOf(k), (GameSummary{Opponent::Computer, 5, Side::Upper, std::nullopt, 1}));
    k.gameKind = state::kTwoPlayers;
    k.outcome = {state::Result::LowerWins, state::EndReason::Resignation};
    EXPECT_EQ(record::summaryOf(k), (GameSummary{Opponent::Person, 0, Side::Upper, k.outcome, 1}));
}

// The position the window and self-play ask: its legal moves against the
// counts the rules' own move check gives (the level-four generator is proven
// against the move check to the same depth), and the one end-of-game procedure.
#include <gtest/gtest.h>

#include <cstdint>

#include "positions.h"
#include "rules/initial_position.h"
#include "rules/position.h"

using namespace state;

namespace {

using state::Outcome;

bool takesRoyal(const state::Move& m) {
    const auto royal = [](int c) {
        return state::magnitude(c) == state::王 || state::magnitude(c) == state::鵺王;
    };
    return royal(m.captured) || royal(m.captured2);
}

// Move sequences of `depth` moves; a game whose royal piece was taken has none after it.
std::uint64_t perft(const rules::Position& p, int depth) {
    if (depth == 0) return 1;
    std::uint64_t leaves = 0;
    for (const state::Move& m : p.合法手()) {
        if (depth > 1 && takesRoyal(m)) continue;
        rules::Position next = p;
        next.着手(m);
        leaves += perft(next, depth - 1);
    }
    return leaves;
}

}  // namespace

TEST(Position, CountsTheMovesOfBothStartsAsTheMoveCheckDoes) {
    const struct {
        void (*setUp)(state::GameData&);
        std::uint64_t counts[3];
    } rows[] = {
        {rules::初期設定_先手自, {30, 1440, 40936}},  // the upper army first
        {rules::初期設定_先手敵, {48, 1440, 99180}},  // the upper Nue King first: two-step moves count once
    };
    for (const auto& row : rows) {
        testing_support::TestGame t;
        row.setUp(t.game);
        const rules::Position start(t.game.board, state::MoveRecord{}, 1);
        for (int depth = 1; depth <= 3; ++depth)
            EXPECT_EQ(perft(start, depth), row.counts[depth - 1]) << depth;
    }
}

TEST(Position, PlaysBothStepsAndTellsTheResult) {
    testing_support::TestGame t;
    testing_support::setBoard(t.game, R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -7 . . . .
        . . . . 14 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -15 . . . .)");
    rules::Position p(t.game.board, state::MoveRecord{}, 1);
    // The Nue King takes the silver, then steps back where it stood.
    p.着手(state::Move{5, 5, 5, 4, true, 5, 5, 14, 14, -7, 0});
    EXPECT_EQ(p.board()(5, 5), 14);
    EXPECT_EQ(p.board()(5, 4), 0);
    EXPECT_EQ(p.entries(), 2);
    EXPECT_EQ(p.side(), -1);
    EXPECT_EQ(p.結果(), Outcome::Continues);
    p.着手(state::Move{5, 9, 5, 8, false, 0, 0, -15, -15, 0, 0});
    p.着手(state::Move{5, 5, 5, 7, false, 0, 0, 14, 14, 0, 0});
    p.着手(state::Move{5, 8, 5, 7, false, 0, 0, -15, -15, 14, 0});  // the king takes the Nue King
    EXPECT_EQ(p.結果(), Outcome::LowerWins);
}

TEST(GameEnd, OneProcedureInOneOrder) {
    using enum state::EndReason;
    const struct {
        rules::EndFacts facts;
        Outcome outcome;
    } rows[] = {
        {{}, {}},
        {{.mover = -1, .captured = 15}, {Outcome::LowerWins, RoyalTaken}},
        {{.mover = 1, .captured2 = -14}, {Outcome::UpperWins, RoyalTaken}},  // taken on the second step
        {{.mover = 1, .captured = -9}, {}},
        {{.mover = -1, .moverMates = true}, {Outcome::LowerWins, MateAsked}},
        {{.mover = -1, .nextCanMove = false, .recordFull = true},
         {Outcome::LowerWins, NoLegalMove}},  // no move first
        {{.recordFull = true}, {Outcome::Draw, RecordFull}},
        {{.mover = 1, .captured = -15, .recordFull = true}, {Outcome::UpperWins, RoyalTaken}},
        {{.outOfTime = 1, .mover = 1, .captured = -15}, {Outcome::LowerWins, OutOfTime}},  // too late to take
        {{.resigned = -1, .outOfTime = -1}, {Outcome::UpperWins, Resignation}},
    };
    for (const auto& row : rows) EXPECT_EQ(rules::終局判定(row.facts), row.outcome);
}

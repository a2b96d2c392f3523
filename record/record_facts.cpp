#include "record/record_facts.h"

#include "record/kept_game.h"
#include "record/record_moves.h"
#include "rules/initial_position.h"
#include "rules/position.h"
#include "state/game_data.h"

namespace record {

namespace {

// The first position of the side that moved first: it holds the Nue King.
state::Board firstPosition(int firstSide) {
    state::GameData g;
    if (firstSide == 1)
        rules::初期設定_先手敵(g);
    else
        rules::初期設定_先手自(g);
    return g.board;
}

int movesOf(const state::MoveRecord& r) {
    int moves = 0;
    for (int k = 1; k <= r.last; ++k)
        if (!r.secondStep[static_cast<std::size_t>(k)]) ++moves;
    return moves;
}

// The side the header lines give the computer, and its level.
void readPlayers(const Kifu& kifu, int firstSide, RecordFacts& f) {
    for (const std::string& line : {kifu.header[1], kifu.header[2]}) {
        const std::optional<HeaderPlayer> p = 見出しの対局者(line);
        if (!p || p->computerLevel == 0) continue;
        f.computerSide = p->first ? firstSide : -firstSide;
        f.level = p->computerLevel;
    }
}

// How the moves on `start` end the game: a royal piece taken, no legal move
// for the side to move, the record full; in a game over though its moves do
// not say so, the side to move gave up or ran out of time.
void endOfMoves(const state::Board& start, state::MoveRecord r, bool finished, RecordFacts& f) {
    if (r.last == 0) return;
    r.counter = r.last;
    const int mover = r.moved[static_cast<std::size_t>(r.last)] >= 1 ? 1 : -1;
    const rules::Position end(記録を進めた盤(start, r, r.last), r, -mover);
    f.outcome = end.結果();
    if (f.outcome.over() || !finished) return;
    f.outcome = {mover == 1 ? state::Result::UpperWins : state::Result::LowerWins, state::EndReason::Untold};
}

}  // namespace

std::optional<RecordFacts> 棋譜の事実(const Kifu& kifu, bool finished) {
    state::MoveRecord r = recordFromKifu(kifu);
    if (r.last == 0) return std::nullopt;
    const int firstSide = 初手の側(r);
    const state::Board start = firstPosition(firstSide);
    if (!記録が盤に合う(start, r)) return std::nullopt;
    RecordFacts f;
    f.nueSide = firstSide;
    readPlayers(kifu, firstSide, f);
    f.moves = movesOf(r);

    endOfMoves(start, r, finished, f);
    return f;
}

RecordFacts 対局の事実(const KeptGame& kept, state::Outcome outcome) {
    RecordFacts f;
    if (kept.gameKind == state::kAgainstComputer) {
        f.computerSide = 1;
        f.level = kept.level;
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (state::magnitude(kept.start(x, y)) == state::鵺王) f.nueSide = kept.start(x, y) > 0 ? 1 : -1;
    f.moves = movesOf(kept.record);
    f.outcome = outcome;
    return f;
}

}  // namespace record

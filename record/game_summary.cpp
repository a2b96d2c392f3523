#include "record/game_summary.h"

#include "state/pieces.h"

namespace record {

namespace {

// The side whose pieces include the Nue King on the board before entry 1.
state::Side nueKingSide(const state::Board& start) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (state::magnitude(start(x, y)) == state::鵺王) return state::sideOf(start(x, y));
    return state::Side::Lower;
}

}  // namespace

int 手数(const state::MoveRecord& r) {
    int moves = 0;
    for (int k = 1; k <= r.last; ++k)
        if (!r.secondStep[static_cast<std::size_t>(k)]) ++moves;
    return moves;
}

GameSummary summaryOf(const KeptGame& game) {
    GameSummary s;
    const bool computer = game.gameKind == state::kAgainstComputer;
    s.opponent = computer ? GameSummary::Opponent::Computer : GameSummary::Opponent::Person;
    s.computerLevel = computer ? game.level : 0;
    s.nueKing = nueKingSide(game.start);
    if (game.outcome.over()) s.outcome = game.outcome;
    s.moves = 手数(game.record);
    return s;
}

GameSummary summaryOf(const Kifu& kifu) {
    GameSummary s;
    s.moves = 手数(recordFromKifu(kifu));
    const std::optional<HeaderPlayer> first = 見出しの対局者(kifu.header[1]);
    const std::optional<HeaderPlayer> second = 見出しの対局者(kifu.header[2]);
    if (!first || !second || !first->first || second->first) return s;
    const bool firstIsComputer = first->computerLevel != 0, secondIsComputer = second->computerLevel != 0;
    // The game's own records: two people, or a person and the computer.
    if (firstIsComputer && secondIsComputer) return s;
    s.opponent =
        firstIsComputer || secondIsComputer ? GameSummary::Opponent::Computer : GameSummary::Opponent::Person;
    s.computerLevel = firstIsComputer ? first->computerLevel : second->computerLevel;
    // The side that moved first had the Nue King; the person sits below.
    s.nueKing = firstIsComputer ? state::Side::Upper : state::Side::Lower;
    return s;
}

}  // namespace record

#pragma once

#include <optional>

#include "record/kept_game.h"
#include "record/kifu_format.h"
#include "state/outcome.h"
#include "state/side.h"

namespace record {

// What a list of past games tells of one: whom the person played, with
// which side, how it ended and how long it was. Against the computer the
// person is the lower side.
struct GameSummary {
    enum class Opponent { Unknown, Computer, Person };
    Opponent opponent = Opponent::Unknown;
    int computerLevel = 0;                     // against the computer
    state::Side nueKing = state::Side::Lower;  // the side that had the Nue King
    std::optional<state::Outcome> outcome;     // known from a kept game's facts alone
    int moves = 0;                             // a Nue King's two steps are one move

    bool operator==(const GameSummary&) const = default;
};

// The number of moves of entries 1..r.last.
// 例: a Nue King's two steps and a pawn's move are 2 moves (3 entries)
int 手数(const state::MoveRecord& r);

// From the facts kept beside a record file.
GameSummary summaryOf(const KeptGame& game);

// From a record file alone, as games written before the facts were kept:
// its header lines name the players (先手：MAN, 後手：COM LEVEL3), the side
// that moved first had the Nue King; how it ended is not known.
GameSummary summaryOf(const Kifu& kifu);

}  // namespace record

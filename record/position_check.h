#pragma once

#include <vector>

#include "state/pieces.h"

namespace record {

// What a position set up by hand may not hold, so that a game can start from
// it: each side has exactly one royal piece (its king or its Nue King); no
// piece stands where it could never move again; and there are no more
// pieces than one set holds, an army of twenty and one Nue King.

enum class SetupFault {
    NoRoyal,        // `side` has neither a king nor a Nue King
    TwoRoyals,      // `side` has `count` royal pieces
    StrandedPiece,  // `piece` on (x, y) could never move: a pawn or a lance on its last rank, a knight on its
                    // last two
    TooMany         // `count` pieces of `piece`'s kind (promoted ones counted with it), more than `limit`
};

struct SetupProblem {
    SetupFault fault = SetupFault::NoRoyal;
    int side = 0;  // +1 upper, -1 lower (the royal pieces and a stranded piece)
    int x = 0, y = 0;
    int piece = 0;  // a stranded piece's code; for TooMany the kind, unpromoted and positive
    int count = 0;
    int limit = 0;
    bool operator==(const SetupProblem&) const = default;
};

// How many pieces of a kind one set holds: 9 pawns, 2 lances, knights,
// silvers and golds, 1 rook, bishop, king and Nue King. A promoted kind
// counts as the kind it promoted from.
// 例: 駒の上限(state::と) == 9
int 駒の上限(int kind);

// Every fault of the position: the lower side's royal pieces, then the upper
// side's, then each stranded piece in square order (column 1 first, each
// column top to bottom), then each kind over its number, pawns first. Empty
// for a position a game can start from.
// 例: an empty board gives {NoRoyal, -1} and {NoRoyal, +1}
std::vector<SetupProblem> 局面の問題(const state::Board& board);

}  // namespace record

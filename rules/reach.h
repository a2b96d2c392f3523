#pragma once

#include "state/pieces.h"

namespace rules {

// How many pieces of each side reach every square of the board, as the
// learner's influence view shows them. Unlike the computer's own maps, every
// kind counts: knights, the promoted kinds and the Nue King's whole reach.
struct ReachCounts {
    state::Grid<int> lower;
    state::Grid<int> upper;
    friend bool operator==(const ReachCounts&, const ReachCounts&) = default;
};

// A piece reaches a square when the move check lets it move there: with the
// square as it is when an opponent piece stands there, and as if an
// opponent's pawn stood there when it is empty or holds a piece of the
// piece's own side (so a protected piece counts, and a piece in between
// blocks a line). The move check is asked as of a move entered afresh, with
// nothing recorded. The board is as it was when it returns.
// 例: a lone lower knight on (5, 5) gives lower (4, 3) == 1 and (6, 3) == 1.
ReachCounts 調査_利き数(state::Board& board);

// 1 when the piece on (X, Y) reaches (TX, TY) in the sense above.
int 調査_利き(state::Board& board, int X, int Y, int TX, int TY);

// Could an opponent piece capture the piece `置駒` once it has moved from
// (X, Y) to (TX, TY)? The move is tried on the board and taken back.
// 例: a lower pawn moving to (5, 5) under an upper pawn on (5, 4) is attacked.
bool 調査_着地被取(state::Board& board, int X, int Y, int TX, int TY, int 置駒);

// Where the Nue King on (X, Y) may end a two-step move, and whether it would
// stand attacked there.
enum class Landing { None, Safe, Attacked };
using Landings = state::Grid<Landing>;
Landings 調査_鵺二手着地(state::Board& board, int X, int Y);

}  // namespace rules

#pragma once

#include "state/move.h"
#include "state/move_record.h"

namespace record {

// The record holds entries; a move is one entry, or two for a Nue King's
// two-step move (its second entry marked as the second step).

// Entry k as a move of one entry.
state::Move 記録の項(const state::MoveRecord& r, int k);

// Writes entry k from a move of one entry (its first step), and whether it
// is a Nue King's second step; the counter and the end stay as they are.
void 記録の項に書く(state::MoveRecord& r, int k, const state::Move& e, bool secondStep = false);

// The last entry of the move that begins at entry `first`: the next entry
// when that is the move's second step, else `first` itself. Entries past the
// end of the record (r.last) are not read.
int 手の最後(const state::MoveRecord& r, int first);

// The move that begins at entry `first`, both steps of a two-step move in
// one value.
// 例: entries (5, 9) -> (5, 8) and (5, 8) -> (5, 7) of -14, the second marked,
// give {5, 9, 5, 8, true, 5, 7, -14, -14, ...}
state::Move 記録の手(const state::MoveRecord& r, int first);

// The first entry of the move whose last entry is `last`, or `last` itself
// when no move of the record ends there.
int 手の最初(const state::MoveRecord& r, int last);

// Finds the Nue King's two-step moves of a record read from a file, which
// holds entries only: entry k is the second step of the move begun at k - 1
// when both are steps of one Nue King to a neighbouring square, the second
// starting where the first ended, and entry k - 1 is not itself a second
// step. A jump of two squares is never a first step, and no move has more
// than two entries.
void 二手目を読む(state::MoveRecord& r);

// The side that made entry 1 (+1 upper, -1 lower; -1 for an empty record),
// for callers that know no more of the game than its record.
int 初手の側(const state::MoveRecord& r);

}  // namespace record

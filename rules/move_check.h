#pragma once

#include "state/move_record.h"
#include "state/pieces.h"
#include "state/side.h"

namespace rules {

// What the immediate-recapture rule (先鵺子) reads of the record: the piece
// the last entry captured and the piece the entry before it placed (both 0
// with no entry recorded).
struct RecaptureFact {
    int lastCaptured = 0;
    int previousPlaced = 0;
    friend bool operator==(const RecaptureFact&, const RecaptureFact&) = default;
};

// What the move check needs besides the board: the recapture fact, and
// whether the move is the second step of a Nue King's two-step move (on
// which a Nue King may take the other although it is guarded).
struct MoveContext {
    RecaptureFact recapture;
    bool secondStep = false;
};

// The recapture fact of a record at its current entry (counter).
// 例: after entries 1..n, 直前の記録(r) == {r.captured[n], r.placed[n - 1]}
RecaptureFact 直前の記録(const state::MoveRecord& r);

// The context of a move entered after the record's current entry.
inline MoveContext 着手文脈(const state::MoveRecord& r, bool secondStep) {
    return {直前の記録(r), secondStep};
}

// The single source of truth for piece movement: 1 when the piece 移動駒種類
// may go from the source to the destination on the board, else 0. The piece
// is passed, not read from the source square, and check is no rule here: a
// move may leave its own royal piece attacked. The board is the same
// afterwards (the guard test lifts two pieces and puts them back).
// 例: 移動チェック(b, {}, 5, 9, 5, 8, -15) == 1 on an empty board
int 移動チェック(state::Board& board, const MoveContext& c, int 移動元X, int 移動元Y, int 移動先X,
                 int 移動先Y, int 移動駒種類);

// 先鵺子: nobody may take a Nue King (取る駒, the code on the destination)
// right after the other Nue King was taken, unless the move before that was
// the attacked Nue King's own.
bool 先鵺子(const RecaptureFact& f, int 取る駒);

// Line helpers: 1 when the two squares share the line and every square
// strictly between them is empty.
int 移動チェック飛車(const state::Board& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック上下(const state::Board& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック左右(const state::Board& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const state::Board& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// 1 when the Nue King on the target square is guarded: with both Nue Kings
// lifted off, some other piece of the target's side could move there. The
// board is restored before it returns.
int 調査_鵺守(state::Board& board, const MoveContext& c, state::Side 守る側, int 移動元X, int 移動元Y,
              int 鵺座標X, int 鵺座標Y);

}  // namespace rules

#pragma once

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/move_record.h"

namespace record {

// One move of the record as a line of the move list: the record entries it
// covers (a Nue King's two-step move covers two) and its text.
struct NotationLine {
    int first = 0;  // the move's first record entry
    int last = 0;   // its last entry: the replay position after the move
    std::string text;
};

// The moves of entries 1..r.last, one line each, grouped as 進 steps them.
// `firstMover` is the side that moved first in this game (+1 upper, -1
// lower): its moves are marked ▲, the other side's △. A line is the mark,
// the destination (column as a full-width digit counted from the right, row
// in kanji; 同 when it is the previous move's destination), for a two-step
// move both squares joined by ・, the moved piece's name, then 成 for a
// promotion or 不成 where promotion was possible and declined.
// 例: the lower side first, its pawn (3, 7) -> (3, 6): "▲７六歩"
std::vector<NotationLine> 棋譜表記(const rules::MoveRecord& r, int firstMover);

// The first entry of the move whose last entry is `last` (both steps of a
// Nue King's two-step move, grouped as 棋譜表記 groups them), or `last`
// itself when no move of the record ends there.
// 例: after a lower pawn move and the Nue King's two steps, 手の最初(r, 3) == 2
int 手の最初(const rules::MoveRecord& r, int last);

// The side that moved first in the game the state describes (+1 upper, -1
// lower): token 1 always moves first, and the human's token is the lower
// side's. It stays so after the board is turned about, whoever moves next.
// 例: after 後手 (the computer first) 先手の側(s) == 1
int 先手の側(const control::GameState& s);

// The side that made entry 1 (+1 upper, -1 lower; -1 for an empty record),
// for callers that know no more of the game than its record.
int 初手の側(const rules::MoveRecord& r);

// The line whose move leads to the replay position `counter`: 0 at the
// start, i when lines[i - 1] is the last move played.
int 表記行(const std::vector<NotationLine>& lines, int counter);

}  // namespace record

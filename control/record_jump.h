#pragma once

namespace state {
struct Game;
}

namespace control {

// Goes to replay position `entry` of the record (0 = the start, r.last = the
// end) by as many 戻 or 進 as it takes, with one piece sound in all. The
// first step that 戻 or 進 refuses stops it, with their own message; a
// position inside a Nue King's two-step move is passed by, as 進 and 戻 do.
// 例: counter 0, entry 5 -> 進 until the counter is 5.
void 棋譜_移動(state::Game& g, int entry);

// To the start and to the end of the record, as 棋譜_移動 goes.
void 棋譜の初めへ(state::Game& g);
void 棋譜の終わりへ(state::Game& g);

}  // namespace control

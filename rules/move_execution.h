#pragma once

#include "state/game_data.h"

namespace rules {

// 1 when the piece may promote on this move; the promoted code is then
// written to O_成駒 (left as it was on 0). Zones: rows 7..9 for the upper
// side, rows 1..3 for the lower. Pawn, lance and knight promote only by
// arriving; silver, bishop and rook also by leaving the zone.
// 例: 調査_駒成(5, 5, 5, 4, -7, p) == 0; 調査_駒成(5, 3, 5, 4, -7, p) == 1 with p == -8
int 調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類, int& O_成駒);

// 0 when the unpromoted piece could never move again from that row.
// 例: 移動後チェック(8, 5) == 0 (an upper knight on row 8)
int 移動後チェック(int 移動先Y, int 移動駒種類);

// Appends one entry to the move record. Call it before the board changes: it
// reads the captured piece from the destination. 二手目 marks the second step
// of a Nue King's two-step move, which joins the entry before it as one move.
// Never writes past entry 500. The one writer of a move into a record: the
// game's, and every position's (rules/position.h).
void 手順保存(const state::Board& board, state::MoveRecord& record, int 移動元X, int 移動元Y, int 移動先X,
              int 移動先Y, int 移動元駒, int 移動成駒, bool 二手目 = false);
void 手順保存(state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動元駒,
              int 移動成駒, bool 二手目 = false);

// A whole move recorded and made on a board: its first step, then a Nue
// King's second, marked as such. Positions play their moves so; game control
// enters the game's own moves step by step, drawing them (control::一歩を指す).
void 手を記録して指す(state::Board& board, state::MoveRecord& record, const state::Move& m);

// Puts the placed piece on the destination and empties the source; game
// control draws them.
void 盤面移動(state::Board& board, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y,
              int IN_移動駒);
void 盤面移動(state::GameData& g, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y,
              int IN_移動駒);

// The rectangle worth scanning for the upper piece IN_駒 on (IN_X, IN_Y);
// it holds every square the piece could legally reach.
void 取得_駒移動座標(int IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2, int& O_Y1, int& O_Y2);

}  // namespace rules

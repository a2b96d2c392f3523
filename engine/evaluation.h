#pragma once

#include "state/move.h"

namespace state {
struct GameData;
}

namespace engine {

// Scores the candidate position for the computer (higher is better). The
// maps must describe the candidate position; the baselines, pins, approach
// distance and from-piece those of the search. Decisive results: 9999 for
// taking the human's royal piece, -9998 for leaving the own king attacked,
// 9998 for a mate (-9998 by a pawn). Level 1 stops after the danger scan,
// level 2 after the exchange terms; level 3 adds the per-piece terms.
// The Nue King's two-step test may leave two squares and the maps changed:
// the caller restores the board and rebuilds the maps.
double 盤評価(state::GameData& g, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// Level-3 per-piece terms of a candidate already played on the board (its
// captured code 0 for none, its placed code the one now on the to-square),
// continuing the running score s.
double 駒別評価(state::GameData& g, const state::Move& c, double s);

// Minus the number of the computer's big pieces (bishop, horse, Nue King,
// king) next to the square: crowding around them.
int 調査_周辺状況(const state::GameData& g, int 移動先X, int 移動先Y);

// The whole-board danger scan of the candidate position: attacked computer
// pieces, holes around its king and in its camp, and newly attacked human
// pieces with a fork bonus.
double 盤評価_COM危険座標(state::GameData& g, int 移動駒, int COM移動先X, int COM移動先Y);

// 1 when a human lance, rook or dragon further down the column could move
// onto (入力X, 入力Y) once the piece standing there is lifted.
int 調査_自守駒MAN_直進駒(state::GameData& g, int 入力X, int 入力Y);

}  // namespace engine

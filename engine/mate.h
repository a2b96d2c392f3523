#pragma once

namespace state {
struct GameData;
}

namespace engine {

// These read the influence maps, which must describe the present position.

// Escape squares of the human's royal piece: empty neighbours the computer
// does not control. Each is marked 1 in the escape map (never cleared here).
int 調査_自王逃道(state::GameData& g);

// 1 when the human's royal piece is in check, cannot step (the king) or jump
// (the Nue King) to an uncontrolled square, and no human piece can move onto
// a square marked by the check after which no computer piece reaches the
// royal square any more.
int 詰めかMAN(state::GameData& g);

// 1 when some computer piece could move onto the recorded human royal square.
int 詰めかMAN_COM王移動(state::GameData& g);

// 1 when the computer's king is in check and neither a king step nor a move
// of another piece onto a marked square lifts the check. Leaves the human
// maps of the last position it tried.
int 詰めかCOM(state::GameData& g);

void 調査_駒数(const state::GameData& g, int& O_MAN駒数, int& O_COM駒数);

// Squares the piece could move to from the square without stepping into the
// opponent's control; a Nue King always gives 1.
int 調査_移動可場所数(state::GameData& g, int 移動元X, int 移動元Y, int 移動駒);

}  // namespace engine

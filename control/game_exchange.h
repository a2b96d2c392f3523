#pragma once

#include <optional>

#include "record/exchange.h"
#include "record/kif_format.h"
#include "state/pieces.h"

namespace state {
struct Game;
}

namespace control {

// The game and positions passed as text: a game started from any position,
// a position put on the board with no game, the position and the game on
// the board as the position text and KIF hold them, and a game read from KIF
// loaded as a record file is.

// 局面から対局: a new game from `board`, `sideToMove` (+1 upper, -1 lower)
// to move, against the computer (kAgainstComputer) or between two people
// (kTwoPlayers). The side to move holds token 1, as the side that moves
// first always does, and the record starts empty. Against the computer the
// human has the lower side as always: with `humanSide` +1 the position is
// first turned about as 反転 turns it, so the human plays the upper side's
// pieces from below (and, as after 反転, the game cannot be written as a
// record file). The computer moves at once when it is to move; otherwise
// the player to move is told, as ここから対局 tells it.
// 例: 局面から対局(g, board, +1, kAgainstComputer, +1) turns the board and
// leaves the human (below) to move
void 局面から対局(state::Game& g, const state::Board& board, int sideToMove, int kind, int humanSide = -1);

// 局面を置く: the position on the board with no game running, as 最初 leaves
// the start: nothing recorded, the whole window drawn.
void 局面を置く(state::Game& g, const state::Board& board);

// The side to move (+1 upper, -1 lower) of the game on the board; none
// while no game runs. A Nue King that waits for its second step has not yet
// moved.
std::optional<int> 手番の側(const state::Game& g);

// The position of the game on the board as a position text holds it: the
// board with a Nue King's first step still waiting taken back, the side to
// move (`sideWithoutGame` while no game runs), and 1 + the moves played to
// the record's marker.
record::TextPosition 対局の局面(const state::Game& g, int sideWithoutGame);

// The game on the board as KIF holds it: its start (the position before the
// record's first entry) and every move of the record, the side that moved
// first (the side to move at the start when nothing was played yet: the
// lower side while no game runs), its players as a record file's header
// names them (no one while no game runs), each side's time control, and the
// date and time now. The window adds how it ended beyond the moves, and the
// review's comments.
record::KifGame 対局のKIF(const state::Game& g);

// Whether a record file can hold the game: it begins where the side that
// moved first always begins, as loading a record file sets it up.
bool 記録ファイルに残せる(const state::Game& g);

// 読込 of a game read from KIF, which has a move: the game restarts as at
// start-up and is set up as a loaded record file is (kifu mode from its
// start, the record's header lines drawn, the same two boxes), its start the
// game's own.
void KIFを読込(state::Game& g, const record::KifGame& game);

}  // namespace control

#pragma once

#include <array>
#include <string>

#include "record/kept_game.h"

namespace state {
struct Game;
}

namespace control {

// The game between runs: what is kept of it, and the game set up again from
// what was kept, after start-up.

// The game as it stands, to keep: no game, a game in progress or a loaded
// record being stepped through; its kind, sides, level and options; the
// position before entry 1 and the record with its marker; a game in play,
// its clocks as they read now. A Nue King that waits for its second step is
// kept as before its first: only completed moves are kept. The side to move
// is the one the record says: the other side of the move at the marker, so
// that it is right at any moment of an event, while the computer thinks
// included.
record::KeptGame 保存用の対局(const state::Game& g);

// Sets the game up as it was kept, after start-up: the level and the
// options, the kind and the sides, the record and its marker, the position
// at the marker, the move number, and the whole window drawn for it. The
// window is told the labels' facts. Nothing is asked; whoever is to move
// moves next, as after 戻.
void 対局を再開(state::Game& g, const record::KeptGame& kept);

// The window drawn whole for the game as it stands: the board, the labels
// of its kind, the level, the move number and the last move's text.
void 対局画面_再描画(state::Game& g);

// The three header lines a record file of the game gets: the date and time,
// who moved first and who second (a person, or the computer at its level).
std::array<std::string, 3> 棋譜の見出し(const record::KeptGame& kept);

// Whether a record file holds the game whole: a game with moves, begun from
// the first position of the side that moved first, as loading sets it up
// (a game turned with 反転 begins elsewhere).
bool 棋譜に残せる(const record::KeptGame& kept);

}  // namespace control

#pragma once

namespace state {
struct GameData;
}

namespace engine {

// Rebuilds the human side's maps from the board: control counts, cheapest
// defender and attacker (with the attacker's square), attacker counts,
// checker marks, and the human royal piece's square (王 or 鵺王).
void 勢力調査_MAN(state::GameData& g);

// Rebuilds the computer side's maps. Unlike the human side it keeps no
// attacker count, does write defender squares, and records only its 王 as
// king square. Attacker and defender squares are not cleared.
void 勢力調査_COM(state::GameData& g);

// The maps of the position on the board after a move, as game control
// brings them up to date: both king-square columns to 0 (a side without such
// a piece then reads as column 0), the human side's survey, then the
// computer side's.
void 勢力調査_両軍(state::GameData& g);

// Records that the human piece IN_駒 on (IN_X1, IN_Y1) reaches (IN_X2, IN_Y2).
void 勢力調査_自駒(state::GameData& g, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, int IN_駒);

// Records that the computer piece IN_駒 on (IN_X1, IN_Y1) reaches (IN_X2, IN_Y2).
void 勢力調査_敵駒(state::GameData& g, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, int IN_駒);

}  // namespace engine

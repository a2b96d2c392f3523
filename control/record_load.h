#pragma once

#include <array>
#include <string>

#include "state/move_record.h"
#include "state/pieces.h"

namespace state {
struct Game;
}

namespace control {

// A record read whole, to be loaded: the position before its first entry,
// its entries 1..last, and the three header lines drawn beside the board.
struct 読み込む記録 {
    state::Board start;
    state::MoveRecord record;
    std::array<std::string, 3> header;
};

// 読込 once a file is read: the game restarts as at start-up (the music
// starts over, the player's level and options come back), then kifu mode
// from the record's start with the replay marker at 0, the labels of the
// side that moved first, the header lines, and the boxes " 読み込みました"
// and "棋譜を '進 'で進めて下さい". File1_Click loads a record file so; KIF
// is loaded the same way.
void 記録を読込(state::Game& g, const 読み込む記録& loaded);

}  // namespace control

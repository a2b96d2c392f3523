#pragma once

namespace state {
struct Game;
}

namespace control {

// Shows or hides the drive list, the folder list and the file list, in that order.
void 描画_可視(state::Game& g, bool drive, bool folder, bool files);

// Mode 0 shows the name box, its label and the RETURN button; any other mode
// empties the name box and hides the three.
void 描画_棋譜_IO(state::Game& g, int mode);

// Hides the whole file panel (and so empties the name box).
void ファイルパネル_非表示(state::Game& g);

}  // namespace control

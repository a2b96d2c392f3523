#pragma once

namespace control {

struct Game;

// Shows or hides the drive list, the folder list and the file list, in that order.
void 描画_可視(Game& g, bool drive, bool folder, bool files);

// Mode 0 shows the name box, its label and the RETURN button; any other mode
// empties the name box and hides the three.
void 描画_棋譜_IO(Game& g, int mode);

// Hides the whole file panel (and so empties the name box).
void ファイルパネル_非表示(Game& g);

}  // namespace control

#pragma once

#include <string>

#include "state/window_port.h"

namespace state {
struct Game;
}

namespace control {

// The window's events: what the window calls when it opens, when a menu item
// is chosen, when the mouse is pressed on the surface, when a key is pressed
// and when it is closed. Each runs to completion, computer reply included.

// Start-up when the window opens: the sound library and the four wave files,
// check marks, game state, the human-first position and a full redraw.
// (Placing the window on the screen is the window's own business.)
void Form_Load(state::Game& g);

// Top-level menus that hide the file panel when opened.
void TAIKYOKU_Click(state::Game& g);
void STOP_Click(state::Game& g);
void OPTION_Click(state::Game& g);

void START_Click(state::Game& g);  // スタート: two players
void SENTE_Click(state::Game& g);  // 先手: against the computer, human first
void GOTE_Click(state::Game& g);   // 後手: against the computer, computer first
void LEVEL1_Click(state::Game& g);
void LEVEL2_Click(state::Game& g);
void LEVEL3_Click(state::Game& g);
// The search levels, each stronger than the one before: LEVEL8 is the strongest.
void LEVEL4_Click(state::Game& g);
void LEVEL5_Click(state::Game& g);
void LEVEL6_Click(state::Game& g);
void LEVEL7_Click(state::Game& g);
void LEVEL8_Click(state::Game& g);
// LEVEL1_Click .. LEVEL8_Click by the level's number.
void LEVELn_Click(state::Game& g, int level);
// The menu mark of search level 4 to 8.
constexpr state::MenuCheck searchLevelCheck(int level) {
    return static_cast<state::MenuCheck>(static_cast<int>(state::MenuCheck::LEVEL4) + level - 4);
}
void OWARI_Click(state::Game& g);       // 終わり
void CANCEL_Click(state::Game& g);      // 最初
void REVERSE_Click(state::Game& g);     // 反転
void REPLAY_Click(state::Game& g);      // 戻
void AFTER_Click(state::Game& g);       // 進
void KIFU_READ_Click(state::Game& g);   // 読込
void KIFU_WRITE_Click(state::Game& g);  // 書込
void SIDOU_Click(state::Game& g);       // 移動指導: teaching mode
void BGM_Click(state::Game& g);
void VER_Click(state::Game& g);  // その他: the version box

// The file panel: the RETURN button, and a click on a file of the file list
// (the full path of the file).
void Command1_Click(state::Game& g);
void File1_Click(state::Game& g, const std::string& path);

// A mouse press at a point of the surface in twips; button 1 left, 2 right.
void Form_MouseDown(state::Game& g, int button, double x, double y);

// A key press (only Esc, 27, does anything) and closing the window.
void Form_KeyPress(state::Game& g, int keyAscii);
void Form_Unload(state::Game& g);

}  // namespace control

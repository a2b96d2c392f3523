#pragma once

namespace state {
struct Game;
}

namespace control {

// Half-second pauses before and during the computer's move: the window keeps
// repainting and holds user input back until the wait has ended.
void 待ち時間(state::Game& g, double IN_秒);

// Frees the four sound buffers (その他, 禁止, 駒打音, BGM) and shuts the sound
// library down. Every way out of the program runs it before quitting.
void 終了処理(state::Game& g);

// 終了処理, then ask the window to end the process; nothing more is handled.
void プログラム終了(state::Game& g);

}  // namespace control

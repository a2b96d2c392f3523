#pragma once

#include <string_view>

namespace control {

struct Game;

// Announces the result ("<winner>の勝ちです", or "引き分けです" for
// "引き分け") and asks whether to play again: Yes sets up the human-first
// position with no game running; No closes the program.
void 終了(Game& g, std::string_view 勝手);

}  // namespace control
